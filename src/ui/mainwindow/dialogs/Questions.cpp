#include "ui/mainwindow/dialogs/Questions.h"

#include "ui/common/MessageBoxButtons.h"

#include <QMessageBox>
#include <QPointer>

AskYesNo MessageBoxQuestion(QWidget* owner, const Constants* strings) {
    QPointer<QWidget> guard(owner);
    return [guard, strings](const QString& prompt, const QString& title) {
        QMessageBox box(QMessageBox::Warning, title, prompt, QMessageBox::Yes | QMessageBox::No,
                        guard.data());
        box.setDefaultButton(QMessageBox::No);
        if (strings)
            NameStandardButtons(box, *strings);
        return box.exec() == QMessageBox::Yes;
    };
}

TellUser MessageBoxNotice(QWidget* owner, const QString& title, const Constants* strings) {
    QPointer<QWidget> guard(owner);
    return [guard, title, strings](const QString& text) {
        QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, guard.data());
        if (strings)
            NameStandardButtons(box, *strings);
        box.exec();
    };
}
