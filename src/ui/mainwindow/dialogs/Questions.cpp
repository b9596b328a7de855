#include "ui/mainwindow/dialogs/Questions.h"

#include "ui/common/MessageBoxButtons.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

AskYesNo YesNoBox(QWidget* owner, const Constants* strings, QMessageBox::Icon icon,
                  QMessageBox::StandardButton defaultButton) {
    QPointer<QWidget> guard(owner);
    return [guard, strings, icon, defaultButton](const QString& prompt, const QString& title) {
        QMessageBox box(icon, title, prompt, QMessageBox::Yes | QMessageBox::No, guard.data());
        box.setDefaultButton(defaultButton);
        if (strings)
            NameStandardButtons(box, *strings);
        return box.exec() == QMessageBox::Yes;
    };
}

} // namespace

AskYesNo MessageBoxQuestion(QWidget* owner, const Constants* strings) {
    return YesNoBox(owner, strings, QMessageBox::Warning, QMessageBox::No);
}

AskYesNo MessageBoxOffer(QWidget* owner, const Constants* strings) {
    return YesNoBox(owner, strings, QMessageBox::Information, QMessageBox::Yes);
}

OfferProblems MessageBoxProblems(QWidget* owner, const QString& title) {
    QPointer<QWidget> guard(owner);
    return [guard, title](const QString& found) {
        QMessageBox box(QMessageBox::Warning, title, found, QMessageBox::NoButton, guard.data());
        box.setObjectName(QStringLiteral("mProblemsQuestion"));
        QPushButton* show = box.addButton(QCoreApplication::translate("Questions", "Show Problems"),
                                          QMessageBox::AcceptRole);
        box.addButton(QCoreApplication::translate("Questions", "Continue Anyway"),
                      QMessageBox::DestructiveRole);
        box.setDefaultButton(show);
        box.setEscapeButton(show);
        box.exec();
        return box.clickedButton() == show;
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
