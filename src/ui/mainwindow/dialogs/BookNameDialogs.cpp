#include "ui/mainwindow/dialogs/BookNameDialogs.h"

#include "base/Constants.h"
#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/BookManager.h"

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
      mOkButton(new QPushButton(strings.Text(u"cOkayButton"), this)) {
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
    layout->addWidget(mOkButton, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(mOkButton, &QPushButton::clicked, this, [this] {
        const QString name = mInputBox->text(); // not trimmed
        const BookNameCheck check = CheckDialogName(name, mBooks.GetAllBooks());
        if (check != BookNameCheck::Accepted)
            Refuse(check);
        else
            Commit(name);
    });
}

void BookNameDialog::Refuse(BookNameCheck check) {
    QString text = mStrings.Text(BookName::MessageKey(check));
    if (text.isEmpty()) // a refusal without a text of its own
        text = mStrings.Text(u"cBookNameIsRequiredCaption");
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
            return Refuse(check);
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
}

void RenameBookForm::Commit(const QString& name) {
    // Names the book manager would refuse keep the dialog open with a reason;
    // a rename the file system refuses fails silently after the dialog closed.
    const auto book = mBooks.GetBook();
    const QString current = book ? book->GetName() : QString();
    if (!BookName::IsSafe(name))
        return Refuse(BookNameCheck::Invalid);
    if (BookName::IsTaken(mBooks.BooksFolder(), name, current))
        return Refuse(BookNameCheck::AlreadyExists);
    accept();
    mBooks.Rename(name);
}
