// A drag step of the photo box editor (move the photo by one mouse pixel and
// repaint the picture area) against drawing the same box without the kept
// picture, which decodes the thumbnail each time.

#include "BenchFixtures.h"
#include "base/Constants.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Templates.h"
#include "ui/editors/PhotoBoxEditor.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QTemporaryDir>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

// A book with a 4000 x 3000 photo in the full-page box of page 0, and the
// editor open over it at 578 x 416 pixels, zoomed to 200 %.
struct EditedPhoto {
    QTemporaryDir dir;
    Templates catalogue;
    Constants strings;
    BookManager manager{dir.filePath(QStringLiteral("books")), catalogue, &strings};
    std::shared_ptr<PhotoImage> photo = std::make_shared<PhotoImage>();
    QWidget view;
    PhotoBoxEditor* editor = nullptr;

    EditedPhoto() {
        QImage image(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) { // busy enough to cost a real decode
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                row[x] = qRgb((x ^ y) & 255, (x / 16 + y / 12) & 255, ((x * y) >> 9) & 255);
        }
        const QString source = dir.filePath(QStringLiteral("photo.jpg"));
        image.save(source, "JPEG", 90);
        manager.Initialize();
        photo->SetImage(source, manager.GetBook()->GetBookFolder());
        manager.GetBook()->Photos().Add(photo);
        manager.GetBook()->GetPage(0)->AddPhoto(photo, 100, 100);
        view.resize(1000, 700);
        editor = new PhotoBoxEditor(&view, manager, QImage());
        editor->Init(photo);
        editor->SetLocationAndSize(100, 80, 578, 416);
        editor->ImageSizeSlider()->setValue(200);
        view.show();
        while (!view.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
};

EditedPhoto& Edited() { return BenchFixture<EditedPhoto>(); }

void Send(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void BM_EditorDragStep(benchmark::State& state) {
    EditedPhoto& edited = Edited();
    QWidget* picture = edited.editor->Picture();
    double x = 200;
    double step = 1;
    int painted = 0;
    const auto counter =
        QObject::connect(edited.editor, &PhotoBoxEditor::picturePainted, [&] { ++painted; });
    Send(picture, QEvent::MouseButtonPress, {x, 200}, Qt::LeftButton);
    for (auto _ : state) {
        if (edited.photo->X() >= 300 || edited.photo->X() <= -300)
            step = -step;
        x += step;
        Send(picture, QEvent::MouseMove, {x, 200}, Qt::NoButton);
        picture->repaint();
    }
    QObject::disconnect(counter);
    state.counters["painted"] = painted;
}

void BM_DrawWithoutKeptPicture(benchmark::State& state) {
    EditedPhoto& edited = Edited();
    QImage surface(578, 416, QImage::Format_RGB32);
    QPainter painter(&surface);
    for (auto _ : state) {
        PhotoPictures pictures;
        DrawPhoto(painter, edited.photo->Placement(), surface.rect(), true, QImage(), pictures);
    }
}

} // namespace

BENCHMARK(BM_EditorDragStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawWithoutKeptPicture)->Unit(benchmark::kMillisecond);
