#include "ui/mainwindow/MainWindowFixture.h"

#include "base/IntroSettings.h"
#include "base/ProgramInfo.h"
#include "ui/mainwindow/IntroductionPanel.h"
#include "ui/mainwindow/dialogs/AboutBox.h"
#include "ui/mainwindow/dialogs/BookNameDialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class BookDialogsTest : public MainWindowFixture {
protected:
    BookDialogsTest() {
        books->Initialize(); // "Untitled"
        EXPECT_EQ(books->NewBook("Trip"), BookNameCheck::Accepted);
    }
    // Types the name, presses OK; the label's text afterwards.
    static QString Press(BookNameDialog& dialog, const QString& name) {
        dialog.InputBox()->setText(name);
        dialog.OkButton()->click();
        return dialog.Label()->text();
    }
    QString Message(const char* key) const { return strings.Text(QString::fromLatin1(key)); }
};

} // namespace

TEST(BookNameRules, OnlyEmptyAndExactDuplicatesAreRefused) {
    const QStringList books{"Trip", "Summer 2024"};
    EXPECT_EQ(CheckDialogName("", books), BookNameCheck::Required);
    EXPECT_EQ(CheckDialogName("Trip", books), BookNameCheck::AlreadyExists);
    EXPECT_EQ(CheckDialogName("Summer 2024", books), BookNameCheck::AlreadyExists);
    EXPECT_EQ(CheckDialogName("trip", books), BookNameCheck::Accepted);  // other case
    EXPECT_EQ(CheckDialogName("   ", books), BookNameCheck::Accepted);   // blanks only
    EXPECT_EQ(CheckDialogName(" Trip", books), BookNameCheck::Accepted); // not trimmed
    EXPECT_TRUE(IsBookAlreadyExist("Trip", books));
    EXPECT_FALSE(IsBookAlreadyExist("TRIP", books));
}

TEST_F(BookDialogsTest, NewBookRefusalsKeepTheDialogOpenWithTheReason) {
    NewBookForm dialog(*books, strings);
    EXPECT_EQ(dialog.Label()->text(), Caption("cNewBookLabelCaption"));
    EXPECT_EQ(dialog.objectName(), "mNewBookForm");
    EXPECT_EQ(dialog.InputBox()->objectName(), "mNewBookInputBox");
    EXPECT_TRUE(dialog.InputBox()->text().isEmpty());

    EXPECT_EQ(Press(dialog, ""), Caption("cBookNameIsRequiredCaption"));
    EXPECT_EQ(Press(dialog, "Trip"), Caption("cBookNameAlreadyExist"));
    // Passes the dialog's own test but the book manager refuses it: the
    // folder "Trip" would be shared where names ignore case.
    EXPECT_EQ(Press(dialog, "trip"), Caption("cBookNameAlreadyExist"));
    // Blanks only pass the dialog; the manager refuses a name ending in a blank.
    EXPECT_EQ(Press(dialog, "   "), Caption("cBookNameInvalid"));
    dialog.Label()->clear();
    EXPECT_EQ(Press(dialog, "a/b"), Caption("cBookNameInvalid"));
    // A name that would look like "Trip": the reason names the character.
    EXPECT_EQ(Press(dialog, QStringLiteral("Trip") + QChar(0x200E)),
              Caption("cBookNameHiddenCharacter") + " (U+200E)");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(books->GetAllBooks(), (QStringList{"Trip", "Untitled"}));
    EXPECT_EQ(CurrentBook()->GetName(), "Trip");
}

TEST_F(BookDialogsTest, ARefusalWithoutATextOfItsOwnAsksForAName) {
    Constants older; // a language file without the key for unusable names
    older.ApplyLanguageLine("cBookNameIsRequiredCaption=Name?");
    NewBookForm dialog(*books, older);
    EXPECT_EQ(Press(dialog, "a/b"), "Name?");
}

TEST_F(BookDialogsTest, NewBookAcceptedBecomesCurrentAndTheNextDialogStartsAfresh) {
    {
        NewBookForm dialog(*books, strings);
        Press(dialog, "");
        Press(dialog, "Summer");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(CurrentBook()->GetName(), "Summer");
    EXPECT_TRUE(QFile::exists(dir.filePath("books/Summer/book.pbx")));
    NewBookForm again(*books, strings);
    EXPECT_EQ(again.Label()->text(), Caption("cNewBookLabelCaption"));
}

TEST_F(BookDialogsTest, RenameRefusesItsOwnAndTakenNames) {
    RenameBookForm dialog(*books, strings);
    EXPECT_EQ(dialog.Label()->text(), Caption("cRenameBookLabelCaption"));
    EXPECT_EQ(dialog.OkButton()->objectName(), "OKButton");
    EXPECT_EQ(dialog.InputBox()->text(), "Trip"); // opens with the current name
    EXPECT_EQ(dialog.InputBox()->selectedText(), "Trip");
    EXPECT_EQ(Press(dialog, ""), Caption("cBookNameIsRequiredCaption"));
    EXPECT_EQ(Press(dialog, "Untitled"), Caption("cBookNameAlreadyExist"));
    EXPECT_EQ(Press(dialog, "UNTITLED"), Caption("cBookNameAlreadyExist")); // another book's folder
    dialog.Label()->clear();
    EXPECT_EQ(Press(dialog, "x:y"), Caption("cBookNameInvalid"));
    EXPECT_EQ(Press(dialog, QStringLiteral("Un") + QChar(0x00AD) + QStringLiteral("titled")),
              Caption("cBookNameHiddenCharacter") + " (U+00AD)");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(CurrentBook()->GetName(), "Trip");
}

TEST_F(BookDialogsTest, RenameWithItsOwnNameOrCancelClosesWithoutAChange) {
    RenameBookForm unchanged(*books, strings);
    unchanged.OkButton()->click();
    EXPECT_EQ(unchanged.result(), QDialog::Accepted);
    RenameBookForm cancelled(*books, strings);
    cancelled.InputBox()->setText("Elsewhere");
    cancelled.CancelButton()->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    NewBookForm newBook(*books, strings);
    newBook.InputBox()->setText("Elsewhere");
    newBook.CancelButton()->click();
    EXPECT_EQ(newBook.result(), QDialog::Rejected);
    EXPECT_EQ(CurrentBook()->GetName(), "Trip");
    EXPECT_EQ(books->GetAllBooks(), (QStringList{"Trip", "Untitled"}));
}

TEST_F(BookDialogsTest, RenameAcceptedRenamesTheFolderAndReopensTheBook) {
    RenameBookForm dialog(*books, strings);
    Press(dialog, "TRIP"); // the book's own name in other case is free
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(CurrentBook()->GetName(), "TRIP");
    EXPECT_EQ(books->GetAllBooks(), (QStringList{"TRIP", "Untitled"}));
    EXPECT_TRUE(QDir(dir.filePath("books/TRIP")).exists());
}

TEST(AboutBox, VersionLineAndLibraryNotice) {
    EXPECT_EQ(VersionLine(2, 1, 35), "Version 2.1.35");
    EXPECT_EQ(VersionLine(1, 0, 0), "Version 1.0.0");
    for (const char* part : {"Qt " QT_VERSION_STR, "libjpeg-turbo", "Independent JPEG Group"})
        EXPECT_TRUE(LibraryNotice().contains(QLatin1String(part))) << part;
    EXPECT_FALSE(LibraryNotice().contains("FreeImage"));
    Constants strings;
    strings.ApplyLanguageLine("cMainFormCaption=Lumbra");
    strings.ApplyLanguageLine("cCopyrightCaption=(c) us");
    AboutBox about(strings);
    EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), "Lumbra");
    // The build's own version and revision, as --version prints them.
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version " + ProgramVersionText());
    EXPECT_EQ(about.findChild<QLabel*>("lblDescription")->text(), LibraryNotice());
    EXPECT_EQ(about.findChild<QLabel*>("mCopyrightLabel")->text(), "(c) us");
}

TEST(IntroductionPanel, OkWritesTheSettingOnlyWhenTheBoxChangedAndOnlyHides) {
    QTemporaryDir dir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(dir.filePath(kIntroductionPicture)));
    Constants strings;
    const QString settings = dir.filePath("Brelk.ini");
    IntroductionPanel panel(strings, dir.path(), settings);
    EXPECT_TRUE(panel.HasPicture());
    EXPECT_TRUE(panel.findChild<QLabel*>("lblSteps")->text().contains("Ctrl+O"));
    const auto read = [&] {
        QFile f(settings);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("absent");
    };
    const auto pressOk = [&](std::function<void()> change) {
        panel.show();
        if (change)
            change();
        panel.findChild<QPushButton*>("cmdOK")->click();
        EXPECT_FALSE(panel.isVisible());
        return read();
    };
    EXPECT_EQ(pressOk({}), QByteArray("absent")); // nothing changed, nothing written
    EXPECT_EQ(pressOk([&] { panel.NotShowBox()->setChecked(true); }),
              QByteArray("IntroPanel=0\r\n"));
    // Opened again (Help > Introduction): the box shows the setting, and OK keeps it.
    ASSERT_TRUE(WriteIntroPanelSetting(settings, false));
    panel.show();
    EXPECT_TRUE(panel.NotShowBox()->isChecked());
    panel.hide();
    EXPECT_EQ(pressOk({}), QByteArray("IntroPanel=0\r\n"));
    EXPECT_EQ(pressOk([&] { panel.NotShowBox()->setChecked(false); }),
              QByteArray("IntroPanel=1\r\n"));

    IntroductionPanel withoutPicture(strings, dir.filePath("nowhere"), settings);
    EXPECT_FALSE(withoutPicture.HasPicture());
}
