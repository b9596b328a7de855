#pragma once

#include <QApplication>
#include <QMouseEvent>

// Tells a click from the start of a drag: a left press, then a move of the
// platform's drag distance with the button held, starts a drag; a release
// before that is a click.
class AlbumDragGesture {
public:
    void Press(const QMouseEvent& event) {
        mPressed = event.button() == Qt::LeftButton;
        mStart = event.position().toPoint();
    }
    // True once per press, when the drag should start.
    bool Move(const QMouseEvent& event) {
        if (!mPressed || !(event.buttons() & Qt::LeftButton))
            return false;
        if ((event.position().toPoint() - mStart).manhattanLength() <
            QApplication::startDragDistance())
            return false;
        mPressed = false;
        return true;
    }
    // True when the release ends a click.
    bool Release(const QMouseEvent& event) {
        const bool click = mPressed && event.button() == Qt::LeftButton;
        mPressed = false;
        return click;
    }

private:
    bool mPressed = false;
    QPoint mStart;
};
