#pragma once

#include "model/BookName.h"

#include <QDialog>
#include <QStringList>

class BookManager;
class Constants;
class QLabel;
class QLineEdit;
class QPushButton;

// True when an entry of the list equals the name exactly, letter case included.
bool IsBookAlreadyExist(const QString& name, const QStringList& allBooks);

// The dialogs' own test of a typed name: empty, then an exact duplicate.
BookNameCheck CheckDialogName(const QString& name, const QStringList& allBooks);

// A name dialog: a label, a text box, OK and Cancel. OK checks the name; a
// refused name puts its message into the label and keeps the dialog open.
class BookNameDialog : public QDialog {
    Q_OBJECT
public:
    QLabel* Label() const { return mLabel; }
    QLineEdit* InputBox() const { return mInputBox; }
    QPushButton* OkButton() const { return mOkButton; }
    QPushButton* CancelButton() const { return mCancelButton; }

protected:
    struct Names {
        const char16_t* captionKey;
        const char16_t* labelKey;
        const char* label;
        const char* inputBox;
        const char* okButton;
    };
    BookNameDialog(BookManager& books, const Constants& strings, const Names& names,
                   QWidget* parent);

    // Runs when OK is pressed with the typed name.
    virtual void Commit(const QString& name) = 0;
    // The dialog's own test of the typed name.
    virtual BookNameCheck Check(const QString& name) const;
    // Shows the message of a refused name in the label (with the character
    // that refused it, for a hidden one).
    void Refuse(BookNameCheck check, const QString& name);

    BookManager& mBooks;

private:
    const Constants& mStrings;
    QLabel* mLabel;
    QLineEdit* mInputBox;
    QPushButton* mOkButton;
    QPushButton* mCancelButton;
};

// mNewBookForm: creates a book and makes it current.
class NewBookForm : public BookNameDialog {
    Q_OBJECT
public:
    NewBookForm(BookManager& books, const Constants& strings, QWidget* parent = nullptr);

private:
    void Commit(const QString& name) override;
};

// mRenameBookForm: renames the current book; it opens with the current name,
// and OK on that name closes it without a change.
class RenameBookForm : public BookNameDialog {
    Q_OBJECT
public:
    RenameBookForm(BookManager& books, const Constants& strings, QWidget* parent = nullptr);

private:
    void Commit(const QString& name) override;
    BookNameCheck Check(const QString& name) const override;
    QString CurrentName() const;
};
