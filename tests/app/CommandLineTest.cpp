#include "LumbraProcess.h"

#include "LumbraProcess.h"
#include "app/CommandLine.h"
#include "base/Constants.h"
#include "base/SmallDisk.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/TestJpegs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace {

QStringList Args(std::initializer_list<const char*> words) {
    QStringList list{QStringLiteral("lumbra")};
    for (const char* word : words)
        list << QString::fromUtf8(word);
    return list;
}

} // namespace

TEST(CommandLineParse, RecognisesTheThreeCommandsWithTheirArguments) {
    EXPECT_FALSE(IsHeadlessCommand(Args({"--screenshot", "x.png"})));
    EXPECT_TRUE(IsHeadlessCommand(Args({"--print", "Trip", "out"})));

    const auto import = ParseCommandLine(Args({"--import", "Trip", "a.jpg", "b.jpg"}));
    ASSERT_TRUE(import);
    EXPECT_EQ(import.Value().command, CommandLineRequest::Command::Import);
    EXPECT_EQ(import.Value().book, QStringLiteral("Trip"));
    EXPECT_EQ(import.Value().files, (QStringList{"a.jpg", "b.jpg"}));
    EXPECT_TRUE(import.Value().booksFolder.isEmpty());

    const auto preview =
        ParseCommandLine(Args({"--preview", "Trip", "out", "--books-folder", "/b"}));
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview.Value().command, CommandLineRequest::Command::Preview);
    EXPECT_EQ(preview.Value().folder, QStringLiteral("out"));
    EXPECT_EQ(preview.Value().booksFolder, QStringLiteral("/b"));
}

TEST(CommandLineParse, RefusesMalformedArgumentsWithAReason) {
    for (const QStringList& arguments :
         {Args({"--import", "Trip"}), Args({"--preview", "Trip"}),
          Args({"--print", "Trip", "a", "b"}), Args({"--print", "Trip", "out", "--preview"}),
          Args({"--preview", "Trip", "out", "--books-folder"}), Args({"Trip", "out"}),
          Args({"--check"}), Args({"--check", "Trip", "out"})}) {
        const auto parsed = ParseCommandLine(arguments);
        ASSERT_FALSE(parsed) << arguments.join(' ').toStdString();
        EXPECT_FALSE(parsed.Error().message.isEmpty());
    }
}

TEST_F(LumbraProcess, ImportsPreviewsAndPrintsABook) {
    const QString red = Jpeg(QStringLiteral("red.jpg"), Qt::red);
    const QString blue = Jpeg(QStringLiteral("blue.jpg"), Qt::blue);
    const QString text = home.filePath(QStringLiteral("note.txt"));
    TestJpegs::WriteBytes(text, "not a picture");

    const Outcome import = Run({"--import", "Trip", red, blue, text, red});
    ASSERT_EQ(import.exitCode, ExitIncomplete) << import.err.toStdString(); // the text file
    EXPECT_EQ(import.out,
              (QStringList{Status(u"cImportStatusAdded", red), Status(u"cImportStatusAdded", blue),
                           Refused("Not a supported picture format (JPEG, HEIC, PNG, TIFF and WebP "
                                   "pictures are taken)",
                                   text),
                           Status(u"cImportStatusAlreadyExist", red),
                           "2 added, 1 not added, 1 already in the book"}));
    const QDir book(QDir(books).filePath(QStringLiteral("Trip")));
    EXPECT_TRUE(book.exists(QStringLiteral("book.pbx")));
    EXPECT_EQ(book.entryList({QStringLiteral("*_or.jpg")}, QDir::Files).size(), 2);

    // A second import finds the photos the first one made.
    const Outcome again = Run({"--import", "Trip", blue});
    EXPECT_EQ(again.out, (QStringList{Status(u"cImportStatusAlreadyExist", blue),
                                      "0 added, 0 not added, 1 already in the book"}));
    EXPECT_EQ(again.exitCode, ExitOk);

    const QString previews = home.filePath(QStringLiteral("previews"));
    const Outcome preview = Run({"--preview", "Trip", previews});
    ASSERT_EQ(preview.exitCode, ExitOk) << preview.err.toStdString();
    const QDir previewFolder(QDir(previews).filePath(QStringLiteral("Trip")));
    EXPECT_EQ(previewFolder.entryList(QDir::Files).size(), 20);
    EXPECT_EQ(SizeOf(previewFolder.filePath(QStringLiteral("PG20.jpg"))), QSize(600, 452));

    const QString prints = home.filePath(QStringLiteral("prints"));
    const Outcome print = Run({"--print", "Trip", prints});
    ASSERT_EQ(print.exitCode, ExitOk) << print.err.toStdString();
    EXPECT_EQ(QDir(prints).entryList(QDir::Files).size(), 20);
    EXPECT_EQ(SizeOf(QDir(prints).filePath(QStringLiteral("1.jpg"))), QSize(2458, 1769));
    EXPECT_EQ(SizeOf(QDir(prints).filePath(QStringLiteral("20.jpg"))), QSize(2458, 1769));
}

TEST_F(LumbraProcess, FailsWithAMessageForMissingBooksBadNamesAndUnwritableFolders) {
    const Outcome missing = Run({"--preview", "Nowhere", home.filePath(QStringLiteral("out"))});
    EXPECT_EQ(missing.exitCode, ExitNoBook);
    EXPECT_FALSE(missing.err.isEmpty());
    EXPECT_FALSE(QDir(books).exists(QStringLiteral("Nowhere")));
    EXPECT_FALSE(QDir(home.filePath(QStringLiteral("out"))).exists());

    const Outcome badName = Run({"--import", "../outside", Jpeg(QStringLiteral("a.jpg"), Qt::red)});
    EXPECT_EQ(badName.exitCode, ExitUsage);
    EXPECT_FALSE(badName.err.isEmpty());
    EXPECT_FALSE(QDir(home.path()).exists(QStringLiteral("outside")));

    const Outcome usage = Run({"--print", "Trip"});
    EXPECT_EQ(usage.exitCode, ExitUsage);
    EXPECT_TRUE(usage.err.contains(QStringLiteral("usage:")));

    ASSERT_EQ(Run({"--import", "Trip", Jpeg(QStringLiteral("b.jpg"), Qt::blue)}).exitCode, ExitOk);
    const QString blocked = home.filePath(QStringLiteral("blocked"));
    TestJpegs::WriteBytes(blocked, "a file where the folder should be");
    const Outcome unwritable = Run({"--print", "Trip", blocked});
    EXPECT_EQ(unwritable.exitCode, ExitFolderFailed);
    EXPECT_FALSE(unwritable.err.isEmpty());

    // Nothing is written in the books folder, over a book's files or beside them.
    const QString pbx = QDir(books).filePath(QStringLiteral("Trip/book.pbx"));
    const QByteArray before = TestJpegs::ReadBytes(pbx);
    for (const QStringList& into :
         {QStringList{"--pdf", "Trip", pbx},
          QStringList{"--print", "Trip", QDir(books).filePath("Trip")},
          QStringList{"--preview", "Trip", QDir(books).filePath("New")}}) {
        const Outcome refused = Run(into);
        EXPECT_EQ(refused.exitCode, ExitFolderFailed) << into.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains(QStringLiteral("books folder")));
    }
    EXPECT_EQ(TestJpegs::ReadBytes(pbx), before);
    EXPECT_FALSE(QDir(books).exists(QStringLiteral("New")));
}

// A home whose name is not text in the locale's encoding: every command is
// refused before anything is written, here or in a folder of a mangled name.
TEST_F(LumbraProcess, AHomeWhoseNameIsNotTextIsRefused) {
    const QString photo = Jpeg(QStringLiteral("a.jpg"), Qt::red);
    const QByteArray raw = QFile::encodeName(home.path()) + "/caf\xe9";
    ASSERT_EQ(::mkdir(raw.constData(), 0700), 0);
    const QStringList before = QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QStringList& command :
         {QStringList{"--import", "Trip", photo}, QStringList{"--upload", "Trip", "A1", "c"}}) {
        // The child's own environment: a QProcessEnvironment holds only text.
        std::vector<std::pair<QByteArray, QByteArray>> variables;
        const QProcessEnvironment environment = Environment();
        for (const QString& name : environment.keys())
            variables.emplace_back(name.toLocal8Bit(), environment.value(name).toLocal8Bit());
        QProcess process;
        process.setChildProcessModifier([raw, variables] {
            for (const auto& [name, value] : variables)
                ::setenv(name.constData(), value.constData(), 1);
            ::unsetenv("QT_QPA_PLATFORM");
            ::setenv("HOME", raw.constData(), 1);
            for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
                ::unsetenv(variable);
        });
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lumbra"), command);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), ExitFolderFailed) << command.join(' ').toStdString();
        EXPECT_TRUE(process.readAllStandardError().contains("HOME"));
    }
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_TRUE(QDir(QFile::decodeName(raw)).isEmpty());
}

namespace {

// "name size" of every file in a folder, and whether each JPEG among them decodes.
QStringList FilesAndSizes(const QString& folder) {
    QStringList files;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        files << info.fileName() + ' ' + QString::number(info.size());
        if (info.suffix() == "jpg" && !FiLoad(FIF_JPEG, info.filePath(), 0))
            files << info.fileName() + " does not decode";
    }
    return files;
}

} // namespace

TEST_F(LumbraProcess, AFullDiskIsAnErrorThatLeavesTheBookAndNoEmptyFile) {
    SmallDisk disk;
    SKIP_WITHOUT(disk);
    books = disk.FilePath(QStringLiteral("books"));
    const QString red = Jpeg(QStringLiteral("red.jpg"), Qt::red);
    ASSERT_EQ(Run({"--import", "Trip", red}).exitCode, ExitOk);
    const QString trip = QDir(books).filePath(QStringLiteral("Trip"));
    const QStringList before = FilesAndSizes(trip);
    ASSERT_EQ(before.size(), 6)
        << before.join(' ').toStdString(); // four pictures, the record, the pages

    disk.LeaveFree(16 << 10);
    const QString blue = Jpeg(QStringLiteral("blue.jpg"), Qt::blue);
    const Outcome import = Run({"--import", "Trip", blue});
    EXPECT_EQ(import.exitCode, ExitIncomplete);
    EXPECT_EQ(import.out, QStringList{"0 added, 1 not added"});
    EXPECT_TRUE(import.err.contains(blue)) << import.err.toStdString();
    EXPECT_EQ(FilesAndSizes(trip), before);

    for (const char* command : {"--preview", "--print"}) {
        const QString out = disk.FilePath(QString::fromLatin1(command).mid(2));
        const Outcome pages = Run({command, "Trip", out.toUtf8().constData()});
        EXPECT_EQ(pages.exitCode, ExitIncomplete) << command;
        EXPECT_TRUE(pages.err.contains(QStringLiteral("Page 20"))) << pages.err.toStdString();
        ASSERT_EQ(pages.out.size(), 1) << command;
        EXPECT_FALSE(pages.out[0].startsWith(QStringLiteral("20 of 20"))) << command;
        QDirIterator written(out, {"*.jpg"}, QDir::Files, QDirIterator::Subdirectories);
        while (written.hasNext()) {
            const QString file = written.next();
            EXPECT_EQ(FilesAndSizes(QFileInfo(file).path()).filter("decode"), QStringList())
                << file.toStdString();
        }
        EXPECT_EQ(FilesAndSizes(trip), before);
    }

    disk.FreeAll(); // room for part of the PDF: the write stops halfway
    disk.LeaveFree(40 << 10);
    const Outcome pdf = Run({"--pdf", "Trip", disk.FilePath(QStringLiteral("book.pdf"))});
    EXPECT_EQ(pdf.exitCode, ExitIncomplete);
    EXPECT_TRUE(pdf.err.contains(QStringLiteral("No space left on device")))
        << pdf.err.toStdString();
    EXPECT_FALSE(QFile::exists(disk.FilePath(QStringLiteral("book.pdf"))));

    // With room again the photo goes in.
    disk.FreeAll();
    const Outcome again = Run({"--import", "Trip", blue});
    EXPECT_EQ(again.exitCode, ExitOk) << again.err.toStdString();
    EXPECT_EQ(again.out,
              (QStringList{Status(u"cImportStatusAdded", blue), "1 added, 0 not added"}));
}

// The import's lines, the summary and the help in the language of the locale.
TEST_F(LumbraProcess, SpeaksTheLanguageOfTheLocale) {
    const QString red = Jpeg(QStringLiteral("red.jpg"), Qt::red);
    const QString text = home.filePath(QStringLiteral("note.txt"));
    TestJpegs::WriteBytes(text, "not a picture");
    const struct {
        const char* locale;
        const char* refused;
        const char* summary;
        const char* help;
    } kLanguages[] = {
        {"zh_CN.UTF-8", "不支持的图片格式（可导入 JPEG、HEIC、PNG、TIFF 和 WebP 图片） :",
         "已添加 1 张，未添加 1 张", "用法："},
        {"zh_TW.UTF-8", "不支援的圖片格式（可匯入 JPEG、HEIC、PNG、TIFF 與 WebP 圖片） :",
         "已加入 1 張，未加入 1 張", "用法："},
        {"zh_HK.UTF-8", "不支援的圖片格式（可匯入 JPEG、HEIC、PNG、TIFF 與 WebP 圖片） :",
         "已加入 1 張，未加入 1 張", "用法："},
        {"zh_SG.UTF-8",
         "Not a supported picture format (JPEG, HEIC, PNG, TIFF and WebP pictures are taken) :",
         "1 added, 1 not added", "usage:"},
    };
    for (const auto& language : kLanguages) {
        locale = QLatin1String(language.locale);
        const QString book = QStringLiteral("Trip ") + locale;
        const Outcome import = Run({"--import", book, red, text});
        ASSERT_EQ(import.out.size(), 3) << import.err.toStdString();
        EXPECT_EQ(import.out[1], QString::fromUtf8(language.refused) + text) << language.locale;
        EXPECT_EQ(import.out[2], QString::fromUtf8(language.summary)) << language.locale;
        EXPECT_TRUE(Run({"--help"}).out.value(0).startsWith(QString::fromUtf8(language.help)))
            << language.locale;
    }
}
