#include "ui/mainwindow/dialogs/Questions.h"

#include <QMessageBox>
#include <QPointer>

AskYesNo MessageBoxQuestion(QWidget* owner) {
    QPointer<QWidget> guard(owner);
    return [guard](const QString& prompt, const QString& title) {
        QMessageBox box(QMessageBox::Warning, title, prompt, QMessageBox::Yes | QMessageBox::No,
                        guard.data());
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
}

TellUser MessageBoxNotice(QWidget* owner, const QString& title) {
    QPointer<QWidget> guard(owner);
    return [guard, title](const QString& text) {
        QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, guard.data());
        box.exec();
    };
}
