#include "base/OpenDialogResult.h"

#include <gtest/gtest.h>

namespace {

// The dialog's buffer: 8192 blanks and two NULs, overwritten from the start.
QString DialogBuffer(const QString& written) {
    QString buffer = QString(8192, ' ') + QString(2, QChar(u'\0'));
    buffer.replace(0, written.size(), written);
    return buffer;
}

QString Nul() { return QString(QChar(u'\0')); }

} // namespace

TEST(OpenDialogResult, CancelGivesOneEmptyElement) {
    EXPECT_EQ(ParseOpenDialogResult(DialogBuffer(""), true), QStringList({""}));
}

TEST(OpenDialogResult, OneFileIsItsFullPath) {
    EXPECT_EQ(ParseOpenDialogResult(DialogBuffer("/home/u/Pictures/a.jpg" + Nul()), false),
              QStringList({"/home/u/Pictures/a.jpg"}));
}

TEST(OpenDialogResult, SeveralFilesAreJoinedToTheFolderInOrder) {
    const QString written = "/home/u/Pictures" + Nul() + "b.jpg" + Nul() + "a.jpg" + Nul() +
                            "c.jpg" + Nul() + Nul();
    EXPECT_EQ(ParseOpenDialogResult(DialogBuffer(written), false),
              QStringList({"/home/u/Pictures/b.jpg", "/home/u/Pictures/a.jpg",
                           "/home/u/Pictures/c.jpg"}));
}

TEST(OpenDialogResult, FilesInARootFolderGetOneSeparator) {
    const QString written = "C:\\" + Nul() + "a.jpg" + Nul() + "b.jpg" + Nul() + Nul();
    EXPECT_EQ(ParseOpenDialogResult(DialogBuffer(written), false),
              QStringList({"C:\\a.jpg", "C:\\b.jpg"}));
    EXPECT_EQ(ParseOpenDialogResult("/" + Nul() + "x.jpg" + Nul(), false), QStringList({"/x.jpg"}));
}

TEST(OpenDialogResult, NamesAreTrimmedAndEmptyPiecesSkipped) {
    const QString written = "/p" + Nul() + "  a.jpg " + Nul() + "   " + Nul() + "b.jpg" + Nul();
    EXPECT_EQ(ParseOpenDialogResult(DialogBuffer(written), false),
              QStringList({"/p/a.jpg", "/p/b.jpg"}));
    // a last piece not ended by NUL is not a name
    EXPECT_EQ(ParseOpenDialogResult("/p/x.jpg" + Nul() + "tail", false), QStringList({"/p/x.jpg"}));
}
