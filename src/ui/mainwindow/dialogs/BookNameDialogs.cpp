#include "ui/mainwindow/dialogs/BookNameDialogs.h"

#include "base/Constants.h"
#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/BookManager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

bool IsBookAlreadyExist(const QString& name, const QStringList& allBooks) {
    return allBooks.contains(name, Qt::CaseSensitive);
}

BookNameCheck CheckDialogName(const QString& name, const QStringList& allBooks) {
    if (name.isEmpty())
        return BookNameCheck::Required;
    if (IsBookAlreadyExist(name, allBooks))
        return BookNameCheck::AlreadyExists;
    return BookNameCheck::Accepted;
}

BookNameDialog::BookNameDialog(BookManager& books, const Constants& strings, const Names& names,
                               QWidget* parent)
    : QDialog(parent), mBooks(books), mStrings(strings),
      mLabel(new QLabel(strings.Text(names.labelKey), this)), mInputBox(new QLineEdit(this)),
      mOkButton(new QPushButton(strings.Text(u"cOkayButton"), this)),
      mCancelButton(new QPushButton(strings.Text(u"cCancel"), this)) {
    setWindowTitle(strings.Text(names.captionKey));
    mLabel->setObjectName(QLatin1String(names.label));
    mLabel->setWordWrap(true);
    mInputBox->setObjectName(QLatin1String(names.inputBox));
    mInputBox->setMinimumWidth(280);
    mOkButton->setObjectName(QLatin1String(names.okButton));
    mOkButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mLabel);
    layout->addWidget(mInputBox);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(mOkButton);
    buttons->addWidget(mCancelButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    mCancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(mCancelButton, &QPushButton::clicked, this, &QDialog::reject);

    connect(mOkButton, &QPushButton::clicked, this, [this] {
        const QString name = mInputBox->text(); // not trimmed
        const BookNameCheck check = Check(name);
        if (check != BookNameCheck::Accepted)
            Refuse(check, name);
        else
            Commit(name);
    });
}

BookNameCheck BookNameDialog::Check(const QString& name) const {
    return CheckDialogName(name, mBooks.GetAllBooks());
}

void BookNameDialog::Refuse(BookNameCheck check, const QString& name) {
    QString text = mStrings.Text(BookName::MessageKey(check));
    if (text.isEmpty()) // a refusal without a text of its own
        text = mStrings.Text(u"cBookNameIsRequiredCaption");
    if (check == BookNameCheck::HiddenCharacter)
        text += QStringLiteral(" (") + BookName::HiddenCharacterIn(name) + u')';
    mLabel->setText(text);
}

NewBookForm::NewBookForm(BookManager& books, const Constants& strings, QWidget* parent)
    : BookNameDialog(books, strings,
                     {u"cNewBookCaption", u"cNewBookLabelCaption", "mNewBookLabel",
                      "mNewBookInputBox", "mNewBookCommand"},
                     parent) {
    setObjectName(QStringLiteral("mNewBookForm"));
}

void NewBookForm::Commit(const QString& name) {
    try {
        const BookNameCheck check = mBooks.NewBook(name);
        if (check != BookNameCheck::Accepted)
            return Refuse(check, name);
    } catch (const LumbraError& e) {
        Label()->setText(e.Message()); // the new book could not be saved
        return;
    }
    accept();
}

RenameBookForm::RenameBookForm(BookManager& books, const Constants& strings, QWidget* parent)
    : BookNameDialog(books, strings,
                     {u"cRenameBookCaption", u"cRenameBookLabelCaption", "mRenameBookLabel",
                      "mRenameBookInputBox", "OKButton"},
                     parent) {
    setObjectName(QStringLiteral("mRenameBookForm"));
    InputBox()->setText(CurrentName());
    InputBox()->selectAll();
}

QString RenameBookForm::CurrentName() const {
    const auto book = mBooks.GetBook();
    return book ? book->GetName() : QString();
}

BookNameCheck RenameBookForm::Check(const QString& name) const {
    if (!name.isEmpty() && name == CurrentName())
        return BookNameCheck::Accepted; // unchanged
    return BookNameDialog::Check(name);
}

void RenameBookForm::Commit(const QString& name) {
    // Names the book manager would refuse keep the dialog open with a reason,
    // and so does a rename the file system refuses.
    const QString current = CurrentName();
    if (name == current)
        return accept();
    if (!BookName::IsSafe(name))
        return Refuse(BookName::HiddenCharacterIn(name).isEmpty() ? BookNameCheck::Invalid
                                                                  : BookNameCheck::HiddenCharacter,
                      name);
    if (BookName::IsTaken(mBooks.BooksFolder(), name, current))
        return Refuse(BookNameCheck::AlreadyExists, name);
    if (!mBooks.Rename(name)) {
        Label()->setText(tr("The book could not be renamed to \"%1\": the folder could not be "
                            "renamed (is a file of the book open in another program?).")
                             .arg(name));
        return;
    }
    accept();
}
