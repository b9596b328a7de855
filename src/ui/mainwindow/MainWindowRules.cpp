#include "ui/mainwindow/MainWindowRules.h"

#include "base/Rounding.h"
#include "ui/mainwindow/MainLayout.h"
#include "ui/mainwindow/WindowPlacement.h"

#include <QRegularExpression>
#include <algorithm>

namespace MainWindowRules {

const char16_t* PageViewCaptionKey(PagesView pagesView) {
    return pagesView == PagesView::TwoPages ? u"cMenuBookOnePageView" : u"cMenuBookTwoPageView";
}

PagesView NextPagesView(PagesView pagesView) {
    return pagesView == PagesView::TwoPages ? PagesView::OnePage : PagesView::TwoPages;
}

PaneView NextPaneView(PaneView paneView) {
    return paneView == PaneView::Strip ? PaneView::Column : PaneView::Strip;
}

QString WindowTitle(const QString& caption, const QString& bookName) {
    return caption + QStringLiteral(" - ") + bookName;
}

QString MenuText(const QString& name) {
    QString text = name;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString MenuCaption(const QString& caption) {
    static const QRegularExpression mnemonicInBrackets(QStringLiteral("\\(&[^&]\\)"));
    QString text = caption;
    text.remove(mnemonicInBrackets);
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i; // "&&" is one "&", "&x" is x
        plain += text[i];
    }
    return plain;
}

namespace {

// Stored values come from a file: far-off ones are held to a range an int keeps.
int ToPixels(float twips) {
    const double pixels = std::clamp(double(twips) / MainLayout::kTwipsPerPixel, -1e6, 1e6);
    return int(RoundHalfEven(pixels));
}

float ToTwips(int pixels) { return float(pixels * MainLayout::kTwipsPerPixel); }

} // namespace

QRect PlacementToPixels(const WindowPlacement& placement) {
    return {ToPixels(placement.left), ToPixels(placement.top), ToPixels(placement.width),
            ToPixels(placement.height)};
}

WindowPlacement PixelsToPlacement(const QRect& pixels) {
    return {ToTwips(pixels.x()), ToTwips(pixels.y()), ToTwips(pixels.width()),
            ToTwips(pixels.height())};
}

QRect FirstStartRect(const QRect& available, QSize minimum) {
    constexpr double kShare = 0.85;
    const QSize size(std::max(minimum.width(), int(available.width() * kShare)),
                     std::max(minimum.height(), int(available.height() * kShare)));
    QRect r(QPoint(0, 0), size);
    r.moveCenter(available.center());
    // A screen smaller than the window: its top left stays on the screen.
    r.moveTopLeft({std::max(r.left(), available.left()), std::max(r.top(), available.top())});
    return r;
}

} // namespace MainWindowRules
