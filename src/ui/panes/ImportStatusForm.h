#pragma once

#include <QDialog>

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The import status window: a progress bar and one line per imported file.
// Its text piles up over several imports until the button closes it.
class ImportStatusForm : public QDialog {
    Q_OBJECT
public:
    ImportStatusForm(const QString& caption, const QString& okayCaption, QWidget* parent);

    void SetProgress(int aImported, int aTotal);
    void ClearText();
    // Appends the line; errors look like any other line.
    void AddStatusText(const QString& aStatus, bool aIsError);
    void EnableOkay();
    void DisableOkay();

    QString Text() const;
    bool IsOkayEnabled() const;

protected:
    // Closing (button, title bar, Escape) forgets the text.
    void hideEvent(QHideEvent* event) override;

private:
    QProgressBar* mProgressBar;
    QPlainTextEdit* mText;
    QPushButton* mOkayButton;
};
