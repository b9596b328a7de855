#include "ui/bookview/MarkerTips.h"

#include "model/PrintSizeCheck.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// The context of the tips' texts.
class MarkerTips {
    Q_DECLARE_TR_FUNCTIONS(MarkerTips)
};

QString Pixels(QSize size) {
    return MarkerTips::tr("%1 x %2").arg(size.width()).arg(size.height());
}

QString Millimetres(QSizeF mm) {
    const QLocale locale;
    return MarkerTips::tr("%1 x %2 mm")
        .arg(locale.toString(mm.width(), 'g', 4), locale.toString(mm.height(), 'g', 4));
}

} // namespace

QString TooSmallTip(const PrintSizeCheck& check, QSizeF boxMm, QSize printPixels, bool zoomed) {
    const QSize shown(qRound(check.window.width), qRound(check.window.height));
    QString tip = MarkerTips::tr("This photo has %1 pixels").arg(Pixels(check.picture));
    if (shown != check.picture)
        tip += MarkerTips::tr("; the box shows %1 of them").arg(Pixels(shown));
    tip += u'.';
    tip += u'\n';
    tip += MarkerTips::tr("For a sharp print this box (%1) needs at least %2; it is printed at %3.")
               .arg(Millimetres(boxMm), Pixels(check.needed), Pixels(printPixels));
    tip += u'\n';
    tip += zoomed ? MarkerTips::tr("Zoom out, use a larger photo or a smaller box.")
                  : MarkerTips::tr("Use a larger photo or a smaller box.");
    return tip;
}

QString TextCutTip(int cutLines) {
    const QString cut = cutLines == 1 ? MarkerTips::tr("1 line is cut")
                                      : MarkerTips::tr("%1 lines are cut").arg(cutLines);
    return MarkerTips::tr(
               "The text does not fit its box: %1. Shorten it, use a smaller size or a larger box.")
        .arg(cut);
}
