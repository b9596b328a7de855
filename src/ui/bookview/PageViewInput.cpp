#include "ui/bookview/PageView.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "model/PageDrop.h"
#include "model/PhotoImage.h"
#include "model/PhotoTakeOff.h"
#include "model/Template.h"
#include "model/TemplateBox.h"
#include "ui/UiLog.h"
#include "ui/editors/BoxEditors.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <utility>

// The surface's mouse: clicks that open the box editors, dragging photos
// out, the photo box menu, and drops of photos, templates, backgrounds and
// files.

QRect PageView::BoxRect(const TemplateBox& box) const {
    return QRect(x() + MmToPixelX(box.X()), y() + MmToPixelY(box.Y()), MmToPixelX(box.width()),
                 MmToPixelY(box.height()));
}

void PageView::OpenTextEditor(int index) {
    TextBoxEditing* editor = mEditors ? mEditors->text : nullptr;
    if (!editor || !mPage || !mPage->Template())
        return;
    editor->Init(mPage, index);
    const QRect r = BoxRect(*mPage->Template()->TextBox(index));
    editor->SetLocationAndSize(r.x(), r.y(), r.width(), r.height(), width());
}

void PageView::OpenPhotoEditor(int index) {
    PhotoBoxEditing* editor = mEditors ? mEditors->photo : nullptr;
    if (!editor || !mPage || !mPage->Template())
        return;
    editor->Init(mPage->Photo(index));
    const QRect r = BoxRect(*mPage->Template()->PhotoBox(index));
    editor->SetLocationAndSize(r.x(), r.y(), r.width(), r.height());
}

void PageView::SelectBox(ProblemBox box) {
    if (!mPage || !mPage->Template())
        return;
    mFramedPhotoBox = -1;
    if (box.kind == ProblemBox::Kind::Text && box.index < mPage->Template()->TextBoxCount()) {
        ClosePhotoEditor();
        OpenTextEditor(box.index);
    } else if (box.kind == ProblemBox::Kind::Photo &&
               box.index < mPage->Template()->PhotoBoxCount()) {
        ClosePhotoEditor();
        if (mPage->Photo(box.index))
            OpenPhotoEditor(box.index);
        else
            mFramedPhotoBox = box.index;
    }
    update();
}

void PageView::ClosePhotoEditor() {
    if (mEditors && mEditors->photo && mEditors->photo->IsInitialized())
        mEditors->photo->Destroy();
}

void PageView::PlaceEditors() {
    if (!mPage || !mEditors || !isVisible())
        return;
    if (TextBoxEditing* text = mEditors->text;
        text && text->PageId() == mPage->GetPageId() && text->TextBox()) {
        const QRect r = BoxRect(*text->TextBox());
        text->SetLocationAndSize(r.x(), r.y(), r.width(), r.height(), width());
    }
    if (PhotoBoxEditing* photo = mEditors->photo;
        photo && photo->PageId() == mPage->GetPageId() && photo->PhotoBox()) {
        const QRect r = BoxRect(*photo->PhotoBox());
        photo->SetLocationAndSize(r.x(), r.y(), r.width(), r.height());
    }
}

void PageView::RunClick(const PageClickTracker::Action& action) {
    switch (action.kind) {
    case PageClickTracker::Action::Kind::OpenTextEditor: OpenTextEditor(action.box); break;
    case PageClickTracker::Action::Kind::CloseTextEditor: mEditors->text->Destroy(); break;
    case PageClickTracker::Action::Kind::OpenPhotoEditor:
        ClosePhotoEditor();
        if (mPage->Photo(action.box))
            OpenPhotoEditor(action.box);
        break;
    case PageClickTracker::Action::Kind::MarkPhotoBox: ClosePhotoEditor(); break;
    case PageClickTracker::Action::Kind::None: break;
    }
}

void PageView::mouseMoveEvent(QMouseEvent* event) {
    const bool leftDown = event->buttons() & Qt::LeftButton;
    const int pressed = mClicks.PressedBox();
    if (mClicks.Move(event->position().toPoint(), leftDown))
        StartDrag(pressed);
}

void PageView::mousePressEvent(QMouseEvent* event) {
    event->accept(); // the book view's background must not see it
    if (std::exchange(mFramedPhotoBox, -1) >= 0)
        update();
    if (!mPage || !mPage->Template())
        return;
    try {
        const QPointF at = event->position();
        const float x = float(PixelToMmX(at.x())), y = float(PixelToMmY(at.y()));
        const bool textOpen = mEditors && mEditors->text && mEditors->text->IsInitialized();
        RunClick(
            mClicks.Press(mPage->FindTextBoxIndex(x, y), mPage->FindPhotoBoxIndex(x, y), textOpen));
    } catch (...) {
        LogCaughtException(lcUi(), "A click on the page; the page stays as it is");
    }
}

void PageView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (!mPage || !mPage->Template())
        return;
    try {
        RunClick(mClicks.DoubleClick());
    } catch (...) {
        LogCaughtException(lcUi(), "A double click on the page");
    }
}

void PageView::StartDrag(int photoBox) {
    if (!mPage || photoBox < 0 || photoBox >= mPage->PhotoEntryCount())
        return;
    const auto photo = mPage->Photo(photoBox);
    if (!photo)
        return;
    auto* data = new QMimeData;
    data->setText(photo->GetKey());
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    if (!mRendering.isNull() && mPage->Template()) {
        const QRect box = BoxRect(*mPage->Template()->PhotoBox(photoBox)).translated(-pos());
        const QImage picture = mRendering.scaled(size()).copy(box);
        drag->setPixmap(QPixmap::fromImage(picture.scaled(120, 120, Qt::KeepAspectRatio)));
    }
    drag->exec(Qt::CopyAction);
    mClicks.Forget(); // one drag per press
}

bool PageView::AcceptsDragAt(const QMimeData* data, QPointF position) const {
    if (!data || mManager.Session().IsDropping()) // files are refused while a drop imports
        return false;
    const float x = float(PixelToMmX(position.x())), y = float(PixelToMmY(position.y()));
    const bool hasPage = mPage && mPage->Template();
    return DropAllowed(hasPage, ReadDropPayload(*data),
                       hasPage ? mPage->FindTextBoxIndex(x, y) : -1,
                       hasPage ? mPage->FindPhotoBoxIndex(x, y) : -1);
}

void PageView::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void PageView::dragMoveEvent(QDragMoveEvent* event) {
    mClicks.Forget();
    if (AcceptsDragAt(event->mimeData(), event->position()) &&
        (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void PageView::dropEvent(QDropEvent* event) {
    mClicks.Forget();
    if (!mPage || !mBook || !event->mimeData())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const DropPayload payload = ReadDropPayload(*event->mimeData());
    const float x = float(PixelToMmX(event->position().x()));
    const float y = float(PixelToMmY(event->position().y()));
    try {
        if (!payload.files.isEmpty()) {
            mManager.Session().DropFiles(mPage, payload.files, x, y);
            mDropping = true; // DropDone once they are placed
            return;
        }
        mManager.Session().DropOnPage(*mPage, payload.text, x, y);
    } catch (...) {
        LogCaughtException(lcUi(), "A drop on the page; what was done stays");
    }
    emit dropDone();
}

void PageView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (!mPage || !mPage->Template())
        return;
    const float x = float(PixelToMmX(event->pos().x())), y = float(PixelToMmY(event->pos().y()));
    const int box = mPage->FindTextBoxIndex(x, y) < 0 ? mPage->FindPhotoBoxIndex(x, y) : -1;
    if (box < 0 || !mPage->Photo(box))
        return;
    mClicks.Forget();
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuPhotoBox"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (const std::shared_ptr<PhotoImage> photo = mPage->Photo(box); photo->FileMissing()) {
        QAction* find = menu->addAction(tr("Find Photo File..."));
        find->setObjectName(QStringLiteral("mnuFindPhotoFile"));
        connect(find, &QAction::triggered, this,
                [this, photo] { emit findPhotoFileRequested(photo); });
    }
    QAction* remove = menu->addAction(tr("Remove Photo"));
    remove->setObjectName(QStringLiteral("mnuRemovePhoto"));
    connect(remove, &QAction::triggered, this, [this, box] { RemovePhotoFromBox(box); });
    menu->popup(event->globalPos());
}

void PageView::RemovePhotoFromBox(int photoBox) {
    if (!mPage || !mBook || photoBox < 0 || photoBox >= mPage->PhotoEntryCount())
        return;
    const std::shared_ptr<PhotoImage> photo = mPage->Photo(photoBox);
    if (!photo)
        return;
    if (mEditors && mEditors->photo && mEditors->photo->PageId() == mPage->GetPageId())
        ClosePhotoEditor(); // its photo may be the one leaving
    try {
        mManager.Session().TakePhotoOff(photo);
    } catch (...) {
        LogCaughtException(lcUi(), "Taking a photo off the page; it stays off");
    }
}
