#include "ui/bookview/PageClickTracker.h"

#include <cstdlib>

bool PageClickTracker::Move(QPoint position, bool leftButtonDown) {
    bool startDrag = false;
    if (leftButtonDown && mPressedBox != -1)
        startDrag = true;
    else if (std::abs(position.x() - mLast.x()) > kMoveTolerance ||
             std::abs(position.y() - mLast.y()) > kMoveTolerance)
        mPressedBox = -1;
    mLast = position;
    return startDrag;
}

PageClickTracker::Action PageClickTracker::Press(int textBox, int photoBox, bool textEditorOpen) {
    if (textBox >= 0)
        return {Action::Kind::OpenTextEditor, textBox};
    if (textEditorOpen)
        return {Action::Kind::CloseTextEditor, -1};
    if (mPressedBox != -1)
        return DoubleClick();
    mPressedBox = photoBox;
    return {Action::Kind::MarkPhotoBox, photoBox};
}

PageClickTracker::Action PageClickTracker::DoubleClick() {
    const int box = mPressedBox;
    mPressedBox = -1;
    if (box == -1)
        return {Action::Kind::MarkPhotoBox, -1}; // only closes the photo editor
    return {Action::Kind::OpenPhotoEditor, box};
}
