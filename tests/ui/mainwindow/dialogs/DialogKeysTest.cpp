#include "ui/mainwindow/MainWindowFixture.h"
#include "ui/mainwindow/ModalKeys.h"

#include "base/IntroSettings.h"
#include "ui/mainwindow/IntroductionPanel.h"
#include "ui/mainwindow/dialogs/AboutBox.h"
#include "ui/mainwindow/dialogs/BookNameDialogs.h"
#include "ui/mainwindow/dialogs/PreviewStatusDialog.h"
#include "ui/mainwindow/dialogs/Questions.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

namespace {

class DialogKeysTest : public MainWindowFixture {
protected:
    DialogKeysTest() { books->Initialize(); } // "Untitled"

    // Shows the dialog as a user's window: active, focus where it starts.
    static void ShowActive(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
};

} // namespace

TEST_F(DialogKeysTest, NewBookNameIsTypedAndEnterAcceptsEscapeCancels) {
    NewBookForm dialog(*books, strings);
    ShowActive(dialog);
    EXPECT_EQ(QApplication::focusWidget(), dialog.InputBox());
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.OkButton());
    PressKey(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.InputBox());

    PressKey(Qt::Key_Return); // nothing typed: refused, still open
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Label()->text(), Caption("cBookNameIsRequiredCaption"));
    QTest::keyClicks(dialog.InputBox(), "Holiday");
    PressKey(Qt::Key_Enter); // the keypad's key too
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(CurrentBook()->GetName(), "Holiday");

    NewBookForm second(*books, strings);
    ShowActive(second);
    QTest::keyClicks(second.InputBox(), "Never");
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(second.result(), QDialog::Rejected);
    EXPECT_FALSE(books->GetAllBooks().contains("Never"));
    EXPECT_EQ(CurrentBook()->GetName(), "Holiday");
}

TEST_F(DialogKeysTest, RenameIsTypedAndEnterAcceptsEscapeCancels) {
    RenameBookForm dialog(*books, strings);
    ShowActive(dialog);
    EXPECT_EQ(QApplication::focusWidget(), dialog.InputBox());
    EXPECT_EQ(dialog.InputBox()->selectedText(), "Untitled");
    QTest::keyClick(dialog.InputBox(), Qt::Key_Backspace); // the selected name goes
    PressKey(Qt::Key_Return);                              // no name: refused, still open
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Label()->text(), Caption("cBookNameIsRequiredCaption"));
    QTest::keyClicks(dialog.InputBox(), "Renamed");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(CurrentBook()->GetName(), "Renamed");

    RenameBookForm second(*books, strings);
    ShowActive(second);
    QTest::keyClicks(second.InputBox(), "Other");
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(second.result(), QDialog::Rejected);
    EXPECT_EQ(CurrentBook()->GetName(), "Renamed");
}

TEST_F(DialogKeysTest, AboutBoxClosesWithEnterOrEscape) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        AboutBox about(strings);
        ShowActive(about);
        EXPECT_EQ(QApplication::focusWidget(), about.findChild<QPushButton*>("cmdOK"));
        PressKey(key);
        EXPECT_FALSE(about.isVisible()) << key;
    }
}

TEST_F(DialogKeysTest, IntroductionPanelTicksWithSpaceAcceptsWithEnterEscapeWritesNothing) {
    const QString settings = dir.filePath("Brelk.ini");
    IntroductionPanel panel(strings, dir.path(), settings);
    ShowActive(panel);
    EXPECT_EQ(QApplication::focusWidget(), panel.NotShowBox());
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_FALSE(QFile::exists(settings)); // closing is not OK

    ShowActive(panel);
    PressKey(Qt::Key_Space);
    EXPECT_TRUE(panel.NotShowBox()->isChecked());
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_FALSE(IntroductionWanted(settings));
}

TEST_F(DialogKeysTest, EscapeOnThePreviewStatusCancels) {
    PreviewStatusDialog status(strings);
    QSignalSpy rejected(&status, &QDialog::rejected); // the main window cancels the preview
    ShowActive(status);
    ASSERT_EQ(QApplication::focusWidget(), nullptr); // nothing in it takes the keyboard
    QTest::keyClick(&status, Qt::Key_Escape);        // so the window itself gets the keys
    EXPECT_FALSE(status.isVisible());
    EXPECT_EQ(rejected.count(), 1);
}

TEST_F(DialogKeysTest, QuestionsAnswerNoToEnterAndEscapeNoticesCloseWithEnter) {
    const AskYesNo ask = MessageBoxQuestion(nullptr);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        bool answer = true;
        WithModal([&] { answer = ask("Delete?", "Delete"); }, [&](QWidget*) { PressKey(key); });
        EXPECT_FALSE(answer) << key;
    }
    bool yes = false;
    WithModal([&] { yes = ask("Delete?", "Delete"); },
              [&](QWidget* box) {
                  QAbstractButton* yesButton =
                      qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes);
                  for (int i = 0; i < 3 && QApplication::focusWidget() != yesButton; ++i)
                      PressKey(Qt::Key_Tab);
                  PressKey(Qt::Key_Space);
              });
    EXPECT_TRUE(yes);
    WithModal([&] { MessageBoxNotice(nullptr, "Lumbra")("Done"); },
              [&](QWidget*) { PressKey(Qt::Key_Return); });
}
