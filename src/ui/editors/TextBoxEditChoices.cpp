#include "ui/editors/TextBoxEditChoices.h"

#include <QFontDatabase>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<QRgb, kPaletteRows* kPaletteColumns> cPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),    qRgb(0, 0, 128),
    qRgb(128, 128, 64),  qRgb(0, 128, 255),   qRgb(128, 0, 255), // row 1
    qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),    qRgb(0, 0, 255),
    qRgb(255, 255, 128), qRgb(128, 255, 255), qRgb(255, 0, 128), // row 2
    qRgb(192, 192, 192), qRgb(128, 128, 0),   qRgb(0, 128, 128),  qRgb(128, 0, 128),
    qRgb(0, 64, 64),     qRgb(0, 64, 128),    qRgb(128, 64, 0), // row 3
    qRgb(255, 255, 255), qRgb(255, 255, 0),   qRgb(0, 255, 255),  qRgb(255, 0, 255),
    qRgb(0, 255, 128),   qRgb(128, 128, 255), qRgb(255, 128, 64), // row 4
};

} // namespace

bool IsExcludedFontName(const QString& name) {
    static const QStringList excluded = {"System",  "Terminal",  "Fixedsys",
                                         "@System", "@Terminal", "@Fixedsys"};
    return excluded.contains(name, Qt::CaseSensitive);
}

QString FontFamilyName(const QString& name) {
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\[\\]]*\\]$"));
    QString family = name;
    family.remove(foundry);
    return family.isEmpty() ? name : family;
}

QStringList ListableFontNames(const QStringList& fonts,
                              const std::function<bool(const QString&)>& isListable,
                              const QString& defaultFont) {
    QStringList names;
    for (const QString& name : fonts) {
        const QString family = FontFamilyName(name);
        if (!IsExcludedFontName(family) && !names.contains(family) && isListable(name))
            names.append(family);
    }
    if (!defaultFont.isEmpty() && !names.contains(defaultFont))
        names.append(defaultFont);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseSensitive) < 0;
    });
    return names;
}

QStringList EditorFontNames(const QString& defaultFont) {
    return ListableFontNames(
        QFontDatabase::families(),
        [](const QString& family) { return QFontDatabase::isScalable(family); }, defaultFont);
}

const QStringList& EditorFontSizes() {
    static const QStringList sizes = [] {
        QStringList list{"4", "6", "8"};
        for (int size = 10; size <= 72; size += 2)
            list.append(QString::number(size));
        return list;
    }();
    return sizes;
}

std::optional<double> ParseEditorFontSize(const QString& text) {
    bool ok = false;
    const double size = text.trimmed().toDouble(&ok);
    if (!ok || !(size > 0) || size > 1638) // RTF stores half points in 16 bits
        return std::nullopt;
    return size;
}

QColor PaletteColor(int row, int column) {
    if (row < 0 || row >= kPaletteRows || column < 0 || column >= kPaletteColumns)
        return {};
    return QColor::fromRgb(cPalette[size_t(row * kPaletteColumns + column)]);
}
