#include "ui/editors/EditorFocus.h"

#include <QApplication>
#include <QWidget>

void ReturnFocusToHost(QWidget* editor) {
    QWidget* host = editor ? editor->parentWidget() : nullptr;
    QWidget* focused = QApplication::focusWidget();
    if (host && focused && (focused == editor || editor->isAncestorOf(focused)))
        host->setFocus(Qt::OtherFocusReason);
}
