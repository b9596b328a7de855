#include "app/ProgramArguments.h"

#include "BuildConfig.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QStringList Args(std::initializer_list<const char*> words) {
    QStringList list{QStringLiteral("lumbra")};
    for (const char* word : words)
        list << QString::fromUtf8(word);
    return list;
}

using Mode = ProgramArguments::Mode;

std::optional<Mode> ModeOf(const QStringList& arguments) {
    const auto parsed = ParseProgramArguments(arguments);
    return parsed ? std::optional<Mode>(parsed.Value().mode) : std::nullopt;
}

} // namespace

TEST(ProgramArguments, HelpAndVersionWinOverEverythingElse) {
    EXPECT_EQ(ModeOf(Args({"--help"})), Mode::Help);
    EXPECT_EQ(ModeOf(Args({"-h"})), Mode::Help);
    EXPECT_EQ(ModeOf(Args({"--import", "Trip", "--help"})), Mode::Help);
    EXPECT_EQ(ModeOf(Args({"--bogus", "--help"})), Mode::Help);
    EXPECT_EQ(ModeOf(Args({"--version"})), Mode::Version);
    EXPECT_EQ(ModeOf(Args({"-v", "--screenshot"})), Mode::Version);
    EXPECT_EQ(ModeOf(Args({"--version", "--help"})), Mode::Help);
}

TEST(ProgramArguments, WindowWithItsScreenshotOptionsAndQtsOwn) {
    const auto plain = ParseProgramArguments(Args({}));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain.Value().mode, Mode::Window);
    EXPECT_TRUE(plain.Value().screenshot.isEmpty());

    const QStringList withQt = Args({"-platform", "offscreen", "--screenshot", "a.png", "-session",
                                     "1a2b", "--scene", "album", "-reverse", "--style", "Fusion"});
    EXPECT_EQ(WithoutQtOptions(withQt), Args({"--screenshot", "a.png", "--scene", "album"}));
    const auto shot = ParseProgramArguments(withQt);
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot.Value().mode, Mode::Window);
    EXPECT_EQ(shot.Value().screenshot, QStringLiteral("a.png"));
    EXPECT_EQ(shot.Value().scene, QStringLiteral("album"));
}

TEST(ProgramArguments, CommandsKeepTheirRequest) {
    const auto print = ParseProgramArguments(
        Args({"-platform", "offscreen", "--print", "Trip", "out", "--books-folder", "/b"}));
    ASSERT_TRUE(print);
    EXPECT_EQ(print.Value().mode, Mode::Command);
    EXPECT_EQ(print.Value().command.command, CommandLineRequest::Command::Print);
    EXPECT_EQ(print.Value().command.book, QStringLiteral("Trip"));
    EXPECT_EQ(print.Value().command.folder, QStringLiteral("out"));
    EXPECT_EQ(print.Value().command.booksFolder, QStringLiteral("/b"));
}

TEST(ProgramArguments, RefusesWhatItDoesNotKnowOrWhatDoesNotFit) {
    for (const QStringList& arguments :
         {Args({"--bogus"}), Args({"Trip"}), Args({"--screenshot"}), Args({"--scene", "album"}),
          Args({"--screenshot", "a.png", "--scene"}), Args({"--books-folder", "/b"}),
          Args({"--import", "Trip", "a.jpg", "--bogus"}), Args({"--print", "Trip"}),
          Args({"-platform"}), Args({"--screenshot", "a.png", "--print", "Trip", "out"})}) {
        const auto parsed = ParseProgramArguments(arguments);
        ASSERT_FALSE(parsed) << arguments.join(' ').toStdString();
        EXPECT_FALSE(parsed.Error().message.isEmpty()) << arguments.join(' ').toStdString();
    }
}

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// The built program without a display: help, version and refusals need none.
Outcome RunLumbra(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lumbra"), arguments);
    Outcome run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The count of commits of the checkout around the build folder, or -1.
int CommitCount() {
    QProcess git;
    git.start(QStringLiteral("git"),
              {QStringLiteral("-C"), QCoreApplication::applicationDirPath(),
               QStringLiteral("rev-list"), QStringLiteral("--count"), QStringLiteral("HEAD")});
    if (!git.waitForFinished(30000) || git.exitStatus() != QProcess::NormalExit ||
        git.exitCode() != 0)
        return -1;
    bool ok = false;
    const int count = QString::fromLatin1(git.readAllStandardOutput()).trimmed().toInt(&ok);
    return ok ? count : -1;
}

} // namespace

TEST(ProgramArgumentsRun, HelpNamesEveryModeAndOptionOnALineOfItsOwn) {
    const Outcome help = RunLumbra({QStringLiteral("--help")});
    ASSERT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();
    for (const char* option :
         {"--import BOOK FILE...", "--preview BOOK FOLDER", "--print BOOK FOLDER", "--check BOOK",
          "--books-folder DIR", "--screenshot FILE", "--scene NAME", "-h, --help", "-v, --version",
          "-platform NAME ..."}) {
        const QRegularExpression line(QStringLiteral("^  ") +
                                          QRegularExpression::escape(QString::fromLatin1(option)) +
                                          QStringLiteral("  +\\S"),
                                      QRegularExpression::MultilineOption);
        EXPECT_TRUE(line.match(help.out).hasMatch()) << option;
    }
    EXPECT_EQ(RunLumbra({QStringLiteral("-h")}).out, help.out);
}

TEST(ProgramArgumentsRun, VersionIsTheProjectVersionAndTheBuildsRevision) {
    const Outcome version = RunLumbra({QStringLiteral("--version")});
    ASSERT_EQ(version.exitCode, 0) << version.err.toStdString();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Lumbra (\\d+)\\.(\\d+)\\.(\\d+)\\n$"))
            .match(version.out);
    ASSERT_TRUE(match.hasMatch()) << version.out.toStdString();
    EXPECT_EQ(match.captured(1).toInt(), BuildConfig::VersionMajor);
    EXPECT_EQ(match.captured(2).toInt(), BuildConfig::VersionMinor);
    const int commits = CommitCount();
    if (commits >= 0) { // built inside its checkout: the revision of this very build
        EXPECT_EQ(match.captured(3).toInt(), commits);
    }
}

TEST(ProgramArgumentsRun, BadArgumentsPrintTheUsageAndExitWithTwo) {
    for (const QStringList& arguments :
         {QStringList{"--bogus"}, QStringList{"--scene", "album"}, QStringList{"--print", "Trip"},
          QStringList{"--import", "Trip", "a.jpg", "--whatever"}}) {
        const Outcome run = RunLumbra(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("lumbra: "))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage: lumbra"))) << run.err.toStdString();
    }
}
