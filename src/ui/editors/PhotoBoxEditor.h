#pragma once

#include "render/PhotoDrawing.h"
#include "ui/editors/BoxEditEvents.h"
#include "ui/editors/BoxEditors.h"
#include "ui/editors/PhotoBoxEditMath.h"

#include <QImage>
#include <QPointF>
#include <QWidget>

#include <memory>

class Book;
class BookManager;
class QAction;
class QSlider;
class QToolBar;
class QWheelEvent;
class Page;

// The photo box editor: a toolbar with a zoom slider above one filled photo
// box, and a picture area over the box that shows the photo live while the
// user zooms (buttons, slider or wheel), turns and drags it. Every change
// goes straight into the photo; closing with Done or Destroy saves the book,
// and either way the page announces its change so that every view redraws.
class PhotoBoxEditor : public QWidget, public PhotoBoxEditing {
    Q_OBJECT
public:
    // tooSmallMarker: laid over a photo too small for its box (may be null).
    PhotoBoxEditor(QWidget* parent, BookManager& manager, QImage tooSmallMarker);
    ~PhotoBoxEditor() override;

    // Opens the editor on the photo of a box (hidden until placed).
    void Init(const std::shared_ptr<PhotoImage>& aPhoto) override;
    // Places and shows the editor over the box (pixels of the parent).
    void SetLocationAndSize(int aX, int aY, int aWidth, int aHeight) override;
    // Saves the book, then closes as DestroyWithoutSave; nothing when closed.
    void Destroy() override;
    // Closes without saving the book; the photo keeps its changes.
    void DestroyWithoutSave();
    bool IsInitialized() const override { return mPage != nullptr; }
    int PageId() const override;
    std::shared_ptr<const TemplateBox> PhotoBox() const override;

    // Runs a toolbar button by key ("ok" is Done); unknown keys do nothing.
    void ToolbarClick(const QString& key);
    // The zoom slider's own step (also when the user moves the slider).
    void SliderStep();

    // Parts, for the book view's screenshots and for tests.
    QToolBar* Toolbar() const { return mToolbar; }
    QAction* ToolbarButton(const QString& key) const;
    QSlider* ImageSizeSlider() const { return mImageSizeSlider; }
    QWidget* Picture() const { return mPicture; }
    const std::shared_ptr<PhotoImage>& Photo() const { return mPhoto; }

signals:
    // The picture area was painted (tests count the redraws).
    void picturePainted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void BuildToolbar();
    void Redraw();
    void PaintPicture();
    void PressPicture(QMouseEvent* event);
    void DragPicture(QMouseEvent* event);
    void Turn(int angle);
    // Moves the slider by zoom-button steps (negative: out), then SliderStep.
    void StepZoom(int steps);
    void WheelZoom(QWheelEvent* event);

    BoxEditEvents mEvents;
    QImage mTooSmallMarker;
    std::shared_ptr<PhotoImage> mPhoto;
    PhotoPictures mPictures; // the decoded picture, kept while the editor is open
    std::shared_ptr<Page> mPage;
    std::shared_ptr<Book> mBook;
    QString mFormBefore; // the page as the editor opened: what its step undoes to
    QPointF mLastMouse{-1, -1};
    WheelNotches mWheel;

    QToolBar* mToolbar = nullptr;
    QSlider* mImageSizeSlider = nullptr;
    QWidget* mPicture = nullptr;
};
