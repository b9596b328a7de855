#include "ui/panes/ImportStatusForm.h"

#include <QHideEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ImportStatusForm::ImportStatusForm(const QString& caption, const QString& okayCaption,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    setModal(false);
    resize(480, 300);
    mProgressBar = new QProgressBar(this);
    mProgressBar->setObjectName("mProgressBar");
    mProgressBar->setRange(0, 1);
    mProgressBar->setValue(0);
    mText = new QPlainTextEdit(this);
    mText->setObjectName("mText");
    mText->setReadOnly(true);
    mText->setLineWrapMode(QPlainTextEdit::NoWrap);
    mOkayButton = new QPushButton(okayCaption, this);
    mOkayButton->setObjectName("mOkayButton");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mProgressBar);
    layout->addWidget(mText, 1);
    layout->addWidget(mOkayButton, 0, Qt::AlignRight);
    connect(mOkayButton, &QPushButton::clicked, this, &ImportStatusForm::close);
}

void ImportStatusForm::SetProgress(int aImported, int aTotal) {
    mProgressBar->setRange(0, aTotal);
    mProgressBar->setValue(aImported);
}

void ImportStatusForm::ClearText() { mText->clear(); }

void ImportStatusForm::AddStatusText(const QString& aStatus, bool) {
    mText->appendPlainText(aStatus);
}

void ImportStatusForm::EnableOkay() { mOkayButton->setEnabled(true); }

void ImportStatusForm::DisableOkay() { mOkayButton->setEnabled(false); }

QString ImportStatusForm::Text() const { return mText->toPlainText(); }

bool ImportStatusForm::IsOkayEnabled() const { return mOkayButton->isEnabled(); }

void ImportStatusForm::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        ClearText();
    QDialog::hideEvent(event);
}
