#include "RenderFixtures.h"

#include "imaging/TestJpegs.h"
#include "model/PhotoImage.h"

#include <QDir>
#include <stdexcept>

namespace RenderFixtures {

namespace {

std::shared_ptr<const TemplateBox> Box(const char* kind, double x, double y, double w, double h) {
    auto box = std::make_shared<TemplateBox>();
    box->Deserialize(
        QStringLiteral("%1[%2,%3,%4,%5,0").arg(QLatin1String(kind)).arg(x).arg(y).arg(w).arg(h));
    return box;
}

} // namespace

std::shared_ptr<const TemplateBox> PhotoBox(double x, double y, double w, double h) {
    return Box("Photo", x, y, w, h);
}

std::shared_ptr<const TemplateBox> TextBox(double x, double y, double w, double h) {
    return Box("Text", x, y, w, h);
}

QImage Flat(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

std::shared_ptr<PhotoImage> PlacedPhoto(const QString& folder, const QString& fileStem,
                                        const QImage& picture,
                                        const std::shared_ptr<const TemplateBox>& box) {
    const QString source = QDir(folder).filePath(QStringLiteral("source_%1.jpg").arg(fileStem));
    TestJpegs::Write(source, picture);
    auto photo = std::make_shared<PhotoImage>();
    photo->SetImage(source, folder + QLatin1Char('/'));
    if (!photo->IsSupportedFormat())
        throw std::runtime_error("test photo not imported");
    photo->SetPhotoBox(box);
    return photo;
}

void WriteBackground(const QString& folder, const QString& name, QColor sm, QColor md, QColor lg,
                     QColor orig) {
    const struct {
        const char* suffix;
        QColor colour;
        QSize size;
    } files[] = {{"_sm.jpg", sm, {145, 104}},
                 {"_md.jpg", md, {800, 576}},
                 {"_lg.jpg", lg, {1127, 811}},
                 {"_or.jpg", orig, {1445, 1040}}};
    for (const auto& file : files) {
        if (file.colour.isValid())
            TestJpegs::Write(QDir(folder).filePath(name + QLatin1String(file.suffix)),
                             Flat(file.size.width(), file.size.height(), file.colour));
    }
}

QString Rtf(const QString& text, int halfPoints) {
    return QStringLiteral(
               "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil DejaVu Sans;}}\\f0\\fs%1 %2\\par}")
        .arg(halfPoints)
        .arg(text);
}

int CountPixels(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

bool IsDark(QRgb pixel) { return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100; }

} // namespace RenderFixtures
