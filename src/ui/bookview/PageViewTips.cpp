#include "ui/bookview/PageView.h"

#include "base/LumbraError.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PrintSizeCheck.h"
#include "model/Template.h"
#include "model/TemplateBox.h"
#include "render/PageGeometry.h"
#include "render/TextOverflow.h"
#include "ui/UiLog.h"
#include "ui/bookview/MarkerTips.h"

#include <QHelpEvent>
#include <QToolTip>

// The tooltips that explain the page's warning marks.

namespace {

QString PhotoTip(const PhotoImage& photo, const Templates& catalogue) {
    const std::optional<PrintSizeCheck> check = photo.PrintCheck();
    if (!check || !check->tooSmall)
        return {};
    const TemplateBox& box = *photo.PhotoBox();
    return TooSmallTip(*check, BoxMm(box).size(), PrintBoxSize(catalogue, box),
                       photo.ratio() < 1.0f);
}

} // namespace

QString PageView::ToolTipAt(QPoint position) const {
    if (!mPage || !mPage->Template())
        return {};
    const float x = float(PixelToMmX(position.x()));
    const float y = float(PixelToMmY(position.y()));
    try {
        // Texts lie over photos.
        const int text = mPage->FindTextBoxIndex(x, y);
        if (text >= 0) {
            const int cut =
                CutLineCount(mPage->text(text), BoxMm(*mPage->Template()->TextBox(text)).size());
            if (cut > 0)
                return TextCutTip(cut);
        }
        const int photo = mPage->FindPhotoBoxIndex(x, y);
        if (photo >= 0 && mPage->Photo(photo))
            return PhotoTip(*mPage->Photo(photo), mTemplates);
    } catch (const LumbraError&) {
        LogCaughtException(lcUi(), "A page tooltip; none is shown");
    }
    return {};
}

bool PageView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = ToolTipAt(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}
