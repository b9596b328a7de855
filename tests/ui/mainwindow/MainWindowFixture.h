#pragma once

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/Templates.h"
#include "base/AppServices.h"
#include "base/Constants.h"
#include "ui/mainwindow/MainWindow.h"

#include <QAction>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A main window over its own strings, catalogue and books in a temporary
// folder. The book view reaches the book manager through Services(), so the
// fixture registers its objects there for the test's duration.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        strings.ApplyLanguageLine(QStringLiteral("cUntitledBook=Untitled"));
        for (const char* key : {"cMainFormCaption", "cMenuBookOnePageView",
                                "cMenuBookTwoPageView", "cNoInternet", "cDeleteConfirmCaption",
                                "cDeleteConfirmLabelCaption", "cMissingPictureCaption",
                                "cMissingPictureLabelCaption", "cImageTooSmallCaption",
                                "cImageTooSmallLabelCaption", "cBookNameIsRequiredCaption",
                                "cBookNameAlreadyExist", "cBookNameInvalid", "cBookSaveFailed", "cNewBookLabelCaption",
                                "cRenameBookLabelCaption", "cOkayButton", "cMenuFilePreview",
                                "cOnWaitMsg", "cTemplateSelectorPhotos",
                                "cTemplateSelectorNoPhotos", "cTemplateSelectorMorePhotos"})
            strings.ApplyLanguageLine(QString::fromLatin1(key) + "=" + Caption(key));
        books = std::make_unique<BookManager>(dir.filePath("books/"), catalogue, &strings, &host);
        QDir().mkpath(dir.filePath("books"));
        saved = Services();
        Services().strings = &strings;
        Services().templates = &catalogue;
        Services().books = books.get();
    }
    ~MainWindowFixture() override {
        host.SetTarget(nullptr);
        window.reset();
        books.reset();
        Services() = saved;
    }

    // The text a key shows in these tests: "<key>".
    static QString Caption(const char* key) { return QStringLiteral("<%1>").arg(QLatin1String(key)); }

    MainWindow& Window() {
        if (!window) {
            MainWindowContext context;
            context.strings = &strings;
            context.templates = &catalogue;
            context.books = books.get();
            context.programFolder = dir.path();
            context.placementFile = dir.filePath("placement.ini");
            window = std::make_unique<MainWindow>(context);
            host.SetTarget(window->GetSidePane()); // as the program wires it
        }
        return *window;
    }
    QAction* Item(const char* name) {
        auto* action = Window().findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    std::shared_ptr<Book> CurrentBook() const { return books->GetBook(); }

    QTemporaryDir dir;
    Constants strings;
    Templates catalogue{&strings};
    ForwardingDisplayHost host;
    std::unique_ptr<BookManager> books;
    std::unique_ptr<MainWindow> window;
    AppServices saved;
};
