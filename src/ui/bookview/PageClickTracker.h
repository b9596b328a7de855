#pragma once

#include <QPoint>

// The mouse rules of a page surface, without the surface: a first click on a
// photo box only marks it; a second click on it without moving away (or a
// double click) opens the photo editor; a click in a text box opens the text
// editor, and any other click while it is open only closes it.
class PageClickTracker {
public:
    // What a press or double click asks the surface to do.
    struct Action {
        enum class Kind {
            None,
            OpenTextEditor,  // on text box `box`
            CloseTextEditor, // and nothing else
            OpenPhotoEditor, // close the photo editor, then open it on photo box `box` if it holds
                             // a photo
            MarkPhotoBox,    // close the photo editor; `box` (maybe -1) is now marked
        };
        Kind kind = Kind::None;
        int box = -1;
        bool operator==(const Action&) const = default;
    };

    // Moves farther than this in x or y between two moves forget the mark.
    static constexpr int kMoveTolerance = 5;

    // A mouse move; true when a drag of the marked photo box starts.
    bool Move(QPoint position, bool leftButtonDown);
    // A press with the text box and photo box under the point (-1: none).
    Action Press(int textBox, int photoBox, bool textEditorOpen);
    Action DoubleClick();
    // Dragging over the surface forgets the mark.
    void Forget() { mPressedBox = -1; }

    int PressedBox() const { return mPressedBox; }
    QPoint LastPosition() const { return mLast; }

private:
    int mPressedBox = -1;
    QPoint mLast;
};
