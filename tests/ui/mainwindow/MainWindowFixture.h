#pragma once

#include "base/Constants.h"
#include "model/BackgroundLibrary.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Templates.h"
#include "ui/common/UiTestSupport.h"
#include "ui/mainwindow/MainWindow.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A main window over its own strings, catalogue and books in a temporary
// folder, an empty background library and a renderer without backgrounds;
// pages hand photos to the window's side pane, as in the program.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        strings.ApplyLanguageLine(QStringLiteral("cUntitledBook=Untitled"));
        for (const char* key : {"cMainFormCaption",
                                "cMenuBookOnePageView",
                                "cMenuBookTwoPageView",
                                "cNoInternet",
                                "cDeleteConfirmCaption",
                                "cDeleteConfirmLabelCaption",
                                "cMissingPictureCaption",
                                "cMissingPictureLabelCaption",
                                "cImageTooSmallCaption",
                                "cImageTooSmallLabelCaption",
                                "cBookNameIsRequiredCaption",
                                "cBookNameAlreadyExist",
                                "cBookNameInvalid",
                                "cBookNameHiddenCharacter",
                                "cBookSaveFailed",
                                "cNewBookLabelCaption",
                                "cRenameBookLabelCaption",
                                "cOkayButton",
                                "cMenuFilePreview",
                                "cOnWaitMsg",
                                "cTemplateSelectorPhotos",
                                "cTemplateSelectorNoPhotos",
                                "cTemplateSelectorMorePhotos"})
            strings.ApplyLanguageLine(QString::fromLatin1(key) + "=" + Caption(key));
        books = std::make_unique<BookManager>(dir.filePath("books/"), catalogue, &strings);
        QDir().mkpath(dir.filePath("books"));
    }
    ~MainWindowFixture() override {
        window.reset();
        books.reset();
    }

    // The text a key shows in these tests: "<key>".
    static QString Caption(const char* key) {
        return QStringLiteral("<%1>").arg(QLatin1String(key));
    }

    MainWindow& Window() {
        if (!window) {
            const MainWindowContext context{
                .ui = {*books, strings, catalogue, library, renderer, QImage()},
                .dataFolder = dir.path(),
                .placementFile = dir.filePath("placement.ini"),
            };
            window = std::make_unique<MainWindow>(context);
        }
        return *window;
    }
    // The window with its book, shown and active as a user sees it.
    MainWindow& Active() {
        Window().show();
        books->Initialize();
        Window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Window()));
        return Window();
    }
    // The window's menu commands.
    const MainWindowActions& Actions() { return Window().Actions(); }
    std::shared_ptr<Book> CurrentBook() const { return books->GetBook(); }

    QTemporaryDir dir;
    Constants strings;
    Templates catalogue{&strings};
    std::unique_ptr<BookManager> books;
    BackgroundLibrary library{QString(), QString()};
    std::shared_ptr<const PageRenderer> renderer = TestRenderer();
    std::unique_ptr<MainWindow> window;
};
