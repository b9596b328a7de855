#pragma once

class QWidget;

// Before an editor hides: when the focus is inside it, it goes back to the
// view that hosts the editor, so that the view's keys work on at once.
void ReturnFocusToHost(QWidget* editor);
