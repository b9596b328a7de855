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

// A name dialog: a label, a text box and an OK button. OK checks the name;
// a refused name puts its message into the label and keeps the dialog open.
class BookNameDialog : public QDialog {
    Q_OBJECT
public:
    QLabel* Label() const { return mLabel; }
    QLineEdit* InputBox() const { return mInputBox; }
    QPushButton* OkButton() const { return mOkButton; }

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
    // Shows the message of a refused name in the label.
    void Refuse(BookNameCheck check);

    BookManager& mBooks;

private:
    const Constants& mStrings;
    QLabel* mLabel;
    QLineEdit* mInputBox;
    QPushButton* mOkButton;
};

// mNewBookForm: creates a book and makes it current.
class NewBookForm : public BookNameDialog {
    Q_OBJECT
public:
    NewBookForm(BookManager& books, const Constants& strings, QWidget* parent = nullptr);

private:
    void Commit(const QString& name) override;
};

// mRenameBookForm: renames the current book.
class RenameBookForm : public BookNameDialog {
    Q_OBJECT
public:
    RenameBookForm(BookManager& books, const Constants& strings, QWidget* parent = nullptr);

private:
    void Commit(const QString& name) override;
};
