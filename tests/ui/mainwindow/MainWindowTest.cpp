#include "MainWindowFixture.h"

#include "BuildConfig.h"
#include "model/PhotoImageList.h"
#include "render/PageExportJob.h"
#include "ui/bookview/TemplatesPane.h"
#include "ui/mainwindow/IntroductionPanel.h"
#include "ui/mainwindow/WindowPlacement.h"
#include "ui/mainwindow/dialogs/PreviewStatusDialog.h"
#include "ui/panes/PhotosPane.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QProgressDialog>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    MainWindow& ShownWithBook() {
        Window().show();
        books->Initialize();
        return Window();
    }
    QStringList AlbumEntries(bool tickedOnly = false) {
        QStringList names;
        for (QAction* a : Actions().albums->actions()) {
            if (!tickedOnly || a->isChecked())
                names << a->text();
        }
        return names;
    }
    QAction* AlbumEntry(const QString& name) {
        for (QAction* a : Actions().albums->actions()) {
            if (a->text() == name)
                return a;
        }
        return nullptr;
    }
};

} // namespace

TEST_F(MainWindowTest, CreationFillsTheSelectorAndLoadingSetsCaptionsAndMinimum) {
    MainWindow& w = Window();
    QComboBox* selector = w.TemplateSelector();
    ASSERT_EQ(selector->count(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(selector->itemText(i), catalogue.GetName(i));
    EXPECT_EQ(selector->itemText(3), "3 <cTemplateSelectorPhotos>");
    EXPECT_EQ(selector->currentIndex(), 1);
    EXPECT_EQ(w.GetTemplatesPane()->Group(), 1);
    selector->setCurrentIndex(4);
    EXPECT_EQ(w.GetTemplatesPane()->Group(), 4);
    EXPECT_EQ(w.minimumSize(), QSize(640, 400));
    EXPECT_EQ(w.windowTitle(), Caption("cMainFormCaption"));
    EXPECT_EQ(Actions().bookPageView->text(), Caption("cMenuBookOnePageView"));
    // No book yet: nothing to add a page to.
    EXPECT_FALSE(Actions().bookNewPage->isEnabled());
    // Windows of later parts are not there: their items stay off.
    EXPECT_FALSE(Actions().helpCheckUpdate->isEnabled());
    EXPECT_FALSE(Actions().bookOrderStatus->isEnabled());
    EXPECT_TRUE(Actions().bookOrder->isEnabled());
    EXPECT_TRUE(Actions().filePreview->isEnabled());
}

TEST_F(MainWindowTest, BookChangeSetsTitleAndTheAlbumMenuFollowsTheBooks) {
    ShownWithBook();
    EXPECT_EQ(Window().windowTitle(), Caption("cMainFormCaption") + " - Untitled");
    EXPECT_EQ(AlbumEntries(), QStringList{"Untitled"});
    EXPECT_EQ(AlbumEntries(true), QStringList{"Untitled"});

    ASSERT_EQ(books->NewBook("Trip & Tour"), BookNameCheck::Accepted);
    EXPECT_EQ(Window().windowTitle(), Caption("cMainFormCaption") + " - Trip & Tour");
    EXPECT_EQ(AlbumEntries(), (QStringList{"Trip && Tour", "Untitled"}));
    EXPECT_EQ(AlbumEntries(true), QStringList{"Trip && Tour"});

    QSignalSpy changes(books.get(), &BookManager::bookChanged);
    AlbumEntry("Trip && Tour")->trigger(); // the ticked entry does nothing
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(AlbumEntries(true), QStringList{"Trip && Tour"});

    AlbumEntry("Untitled")->trigger();
    QCoreApplication::processEvents(); // the old entries go once their click is over
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(CurrentBook()->GetName(), "Untitled");
    EXPECT_EQ(AlbumEntries(true), QStringList{"Untitled"});
    EXPECT_EQ(AlbumEntries().size(), 2);
}

TEST_F(MainWindowTest, NewPageIsOffAtOneHundredPagesAndOnAgainAfterADelete) {
    ShownWithBook();
    auto book = CurrentBook();
    while (book->PagesCount() < 99)
        book->AddNewPage();
    EXPECT_TRUE(Actions().bookNewPage->isEnabled());
    Actions().bookNewPage->trigger();
    EXPECT_EQ(book->PagesCount(), 100);
    EXPECT_EQ(books->Session().PageIndex(), 99);
    book->WaitForSaves();
    EXPECT_TRUE(QFile::exists(book->GetBookFolder() + "book.pbx")); // the new page is saved
    EXPECT_FALSE(Actions().bookNewPage->isEnabled());
    Actions().bookNewPage->trigger(); // disabled: nothing happens
    EXPECT_EQ(book->PagesCount(), 100);
    book->RemovePage(5);
    EXPECT_TRUE(Actions().bookNewPage->isEnabled());
}

TEST_F(MainWindowTest, PreviousAndNextFollowTheBookView) {
    ShownWithBook();
    auto book = CurrentBook(); // 20 pages, two-page view, page 0 alone on the right
    EXPECT_FALSE(Actions().bookPreviousPage->isEnabled());
    EXPECT_TRUE(Actions().bookNextPage->isEnabled());
    books->Session().ShowPage(19);
    EXPECT_TRUE(Actions().bookPreviousPage->isEnabled());
    EXPECT_FALSE(Actions().bookNextPage->isEnabled());
    Actions().bookPreviousPage->trigger(); // moves by the view's two pages
    EXPECT_EQ(books->Session().PageIndex(), 17);
    EXPECT_TRUE(Actions().bookNextPage->isEnabled());
    Actions().bookPageView->trigger(); // one page: 17 < 19
    books->Session().ShowPage(19);
    EXPECT_FALSE(Actions().bookNextPage->isEnabled());
    Actions().bookPreviousPage->trigger();
    EXPECT_EQ(books->Session().PageIndex(), 18);
    EXPECT_TRUE(Actions().bookNextPage->isEnabled());
}

TEST_F(MainWindowTest, PageViewCaptionNamesTheViewItSwitchesTo) {
    ShownWithBook();
    QAction* item = Actions().bookPageView;
    EXPECT_EQ(Window().GetBookView()->GetPagesView(), PagesView::TwoPages);
    item->trigger();
    EXPECT_EQ(Window().GetBookView()->GetPagesView(), PagesView::OnePage);
    EXPECT_EQ(item->text(), Caption("cMenuBookTwoPageView"));
    item->trigger();
    EXPECT_EQ(Window().GetBookView()->GetPagesView(), PagesView::TwoPages);
    EXPECT_EQ(item->text(), Caption("cMenuBookOnePageView"));
}

TEST_F(MainWindowTest, OrderStatusNeedsItsWindowAndAnOrderNumber) {
    ShownWithBook();
    EXPECT_FALSE(Actions().bookOrderStatus->isEnabled()); // no window for it
    QStringList shown;
    MainWindowHooks hooks;
    hooks.isOnline = [] { return true; };
    hooks.ask = [](const QString&, const QString&) { return false; }; // go on
    hooks.reviewProblems = [](const QString&) { return false; };      // continue anyway
    hooks.orderStatus = [&](const QString& ids) { shown << ids; };
    hooks.orderWizard = [](const std::shared_ptr<Book>& book) { book->AddOrderId("7001"); };
    Window().SetHooks(hooks);
    EXPECT_FALSE(Actions().bookOrderStatus->isEnabled()); // never ordered

    Actions().bookOrder->trigger(); // the wizard sends it
    EXPECT_TRUE(Actions().bookOrderStatus->isEnabled());
    Actions().bookOrderStatus->trigger();
    EXPECT_EQ(shown, QStringList{"7001"});

    ASSERT_EQ(books->NewBook("Other"), BookNameCheck::Accepted);
    EXPECT_FALSE(Actions().bookOrderStatus->isEnabled());
}

TEST_F(MainWindowTest, OrderShowsTheEmptyPageAndOpensTheWizardOnlyAfterNo) {
    ShownWithBook();
    auto book = CurrentBook(); // every page has an empty photo box
    QStringList questions;
    bool answer = true;
    int wizards = 0;
    MainWindowHooks hooks;
    hooks.isOnline = [] { return true; };
    hooks.ask = [&](const QString& prompt, const QString& title) {
        questions << title + "|" + prompt;
        return answer;
    };
    hooks.reviewProblems = [](const QString&) { return false; }; // continue anyway
    hooks.orderWizard = [&](const std::shared_ptr<Book>& b) {
        EXPECT_EQ(b, book);
        ++wizards;
    };
    Window().SetHooks(hooks);
    books->Session().ShowPage(6);
    Actions().bookOrder->trigger(); // Yes: fill the box first
    EXPECT_EQ(books->Session().PageIndex(), 0);
    EXPECT_EQ(questions, QStringList{Caption("cMissingPictureCaption") + "|" +
                                     Caption("cMissingPictureLabelCaption")});
    EXPECT_EQ(wizards, 0);
    answer = false;
    Actions().bookOrder->trigger();
    EXPECT_EQ(wizards, 1);
}

// The photos leave the pane on Fill Book: the window says where they went.
TEST_F(MainWindowTest, FillSaysWhereThePhotosWent) {
    ShownWithBook();
    QTemporaryDir sources;
    QImage picture(1200, 900, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(sources.filePath("red.jpg"), "JPG"));
    QStringList told;
    MainWindowHooks hooks;
    hooks.pickPhotos = [&] { return QStringList{sources.filePath("red.jpg")}; };
    hooks.tell = [&](const QString& text) { told << text; };
    Window().SetHooks(hooks);
    Actions().bookImportPhotos->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !books->Session().IsImporting(); }, 20000));
    Actions().bookFill->trigger();
    EXPECT_EQ(told, QStringList{"1 photo(s) placed on 1 page(s)."});
}

TEST_F(MainWindowTest, CommandsNeedingTheServiceOnlyTellWhenOffline) {
    ShownWithBook();
    CurrentBook()->AddOrderId("12");
    QStringList told;
    int asked = 0;
    MainWindowHooks hooks;
    hooks.isOnline = [] { return false; };
    hooks.tell = [&](const QString& text) { told << text; };
    hooks.ask = [&](const QString&, const QString&) { return ++asked, false; };
    hooks.orderWizard = [](const std::shared_ptr<Book>&) { FAIL() << "wizard opened"; };
    hooks.orderStatus = [](const QString&) { FAIL() << "status opened"; };
    Window().SetHooks(hooks);
    Actions().bookOrder->trigger();
    Actions().bookOrderStatus->trigger();
    EXPECT_EQ(told, (QStringList{Caption("cNoInternet"), Caption("cNoInternet")}));
    EXPECT_EQ(asked, 0);
}

TEST_F(MainWindowTest, DeleteAsksAndDeletesOnlyOnYes) {
    ShownWithBook();
    ASSERT_EQ(books->NewBook("Trip"), BookNameCheck::Accepted);
    bool answer = false;
    QStringList questions;
    MainWindowHooks hooks;
    hooks.ask = [&](const QString& prompt, const QString& title) {
        questions << title + "|" + prompt;
        return answer;
    };
    Window().SetHooks(hooks);
    Actions().fileDelete->trigger();
    // The question names the book.
    EXPECT_EQ(questions, QStringList{Caption("cDeleteConfirmCaption") + "|\u201cTrip\u201d\n\n" +
                                     Caption("cDeleteConfirmLabelCaption")});
    EXPECT_EQ(CurrentBook()->GetName(), "Trip");
    answer = true;
    Actions().fileDelete->trigger();
    EXPECT_EQ(CurrentBook()->GetName(), "Untitled");
    EXPECT_FALSE(QDir(dir.filePath("books/Trip")).exists());
    EXPECT_EQ(AlbumEntries(), QStringList{"Untitled"});
}

TEST_F(MainWindowTest, ViewSwitchMovesThePaneAndANewBookStartsWithTheStrip) {
    MainWindow& w = ShownWithBook();
    w.resize(900, 600);
    QCoreApplication::processEvents();
    const QWidget* client = w.centralWidget();
    const QWidget* pane = w.GetSidePane();
    EXPECT_EQ(pane->geometry(), QRect(0, 0, client->width(), 161));
    EXPECT_EQ(w.TemplateSelector()->geometry(), QRect(0, 162, 170, 21));
    EXPECT_EQ(w.GetBookView()->geometry().top(), 161);

    Actions().viewSwitch->trigger();
    EXPECT_EQ(w.GetSidePane()->View(), PaneView::Column);
    const int column = w.GetSidePane()->PreferredWidth();
    EXPECT_EQ(pane->geometry(), QRect(client->width() - column, 0, column, client->height()));
    EXPECT_EQ(w.TemplateSelector()->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(w.GetBookView()->geometry(),
              QRect(171, 0, client->width() - 170 - column, client->height()));

    books->LoadBook("Untitled"); // reopened as it was left
    EXPECT_EQ(w.GetSidePane()->View(), PaneView::Column);
    ASSERT_EQ(books->NewBook("Trip"), BookNameCheck::Accepted); // a new book has the strip
    EXPECT_EQ(pane->geometry(), QRect(0, 0, client->width(), 161));
}

TEST_F(MainWindowTest, SmallStoredPlacementIsRaisedAndClosingQuitsThenSaves) {
    const QString file = dir.filePath("placement.ini");
    {
        QSettings settings(file, QSettings::IniFormat);
        WriteWindowPlacement(settings, {1500, 1500, 100, 100}, false);
    }
    MainWindow& w = ShownWithBook();
    QCoreApplication::processEvents();
    EXPECT_GE(w.width(), 640);
    EXPECT_GE(w.height(), 400);
    EXPECT_GE(w.frameGeometry().width() * 15, 7500);
    EXPECT_GE(w.frameGeometry().height() * 15, 4500);

    w.ShowIntroduction(); // another window, closed with this one
    ASSERT_TRUE(w.findChild<IntroductionPanel*>()->isVisible());
    float widthAtQuit = -1;
    QObject::connect(books.get(), &BookManager::quitting, [&] {
        QSettings settings(file, QSettings::IniFormat);
        widthAtQuit = ReadWindowPlacement(settings).width;
    });
    w.resize(700, 450);
    w.close();
    EXPECT_FALSE(w.findChild<IntroductionPanel*>()->isVisible());
    EXPECT_FLOAT_EQ(widthAtQuit, 100); // the book manager quits before the placement is saved
    QSettings settings(file, QSettings::IniFormat);
    const WindowPlacement saved = ReadWindowPlacement(settings);
    EXPECT_FLOAT_EQ(saved.width, 700 * 15);
    EXPECT_FLOAT_EQ(saved.height, 450 * 15);
    EXPECT_FLOAT_EQ(saved.left, float(w.x() * 15));
}

TEST_F(MainWindowTest, ClosingMinimisedKeepsTheStoredPlacement) {
    const QString file = dir.filePath("placement.ini");
    {
        QSettings settings(file, QSettings::IniFormat);
        WriteWindowPlacement(settings, {1200, 1300, 12000, 9000}, false);
    }
    MainWindow& w = ShownWithBook();
    EXPECT_EQ(w.pos(), QPoint(80, 87)); // 1200 / 15, 1300 / 15 rounded
    EXPECT_EQ(w.size(), QSize(800, 600));
    w.setWindowState(Qt::WindowMinimized);
    w.close();
    QSettings settings(file, QSettings::IniFormat);
    const WindowPlacement saved = ReadWindowPlacement(settings);
    EXPECT_FLOAT_EQ(saved.top, 1300);
    EXPECT_FLOAT_EQ(saved.width, 12000);
}

TEST_F(MainWindowTest, HelpEntriesOpenTheDeliveredPagesOrSayWhereTheyAre) {
    QStringList opened, told;
    bool browserStarts = true;
    MainWindowHooks hooks;
    hooks.openWebPage = [&](const QString& address) {
        opened << address;
        return browserStarts;
    };
    hooks.tell = [&](const QString& text) { told << text; };
    Window().SetHooks(hooks);
    Actions().helpContents->trigger();
    Actions().helpFaq->trigger();
    // The build names no product site (none exists): the menu offers none.
    EXPECT_EQ(Actions().helpWebsite != nullptr, *BuildConfig::WebsiteUrl != '\0');
    ASSERT_EQ(opened.size(), 2);
    // The build leaves the help addresses empty: the pages in the data folder,
    // where the build puts them beside the program.
    for (int i = 0; i < 2; ++i) {
        const QString page = i == 0 ? "help/edit.html" : "help/question.html";
        EXPECT_EQ(QUrl(opened[i]).toLocalFile(), dir.filePath(page));
        EXPECT_TRUE(QFileInfo(QCoreApplication::applicationDirPath() + "/" + page).isFile());
    }
    EXPECT_TRUE(told.isEmpty());

    // No browser: the user is told where to go by hand.
    browserStarts = false;
    Actions().helpFaq->trigger();
    Actions().helpContents->trigger();
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told[0].endsWith(QUrl(opened[2]).toLocalFile()));
    EXPECT_TRUE(told[1].endsWith(QUrl(opened[3]).toLocalFile()));
}

TEST_F(MainWindowTest, PreviewWritesEveryPageOffTheUiThreadThenOpensTheFolder) {
    ShownWithBook();
    QStringList openedFolders;
    bool cancel = true;
    MainWindowHooks hooks;
    hooks.pickPreviewFolder = [&] { return cancel ? QString() : dir.filePath("out"); };
    bool openIt = true;
    QStringList questions;
    hooks.ask = [&](const QString& prompt, const QString&) {
        questions << prompt;
        return openIt;
    };
    hooks.openFolder = [&](const QString& folder) {
        openedFolders << folder;
        return true;
    };
    Window().SetHooks(hooks);
    QAction* preview = Actions().filePreview;
    ASSERT_TRUE(preview->isEnabled());
    preview->trigger(); // the picker is cancelled
    EXPECT_EQ(Window().PreviewJob(), nullptr);
    EXPECT_FALSE(Window().PreviewDialog()->isVisible());

    cancel = false;
    preview->trigger();
    ASSERT_NE(Window().PreviewJob(), nullptr);
    QSignalSpy pages(Window().PreviewJob(), &PageExportJob::progress);
    QSignalSpy finished(Window().PreviewJob(), &PageExportJob::finished);
    EXPECT_TRUE(Window().PreviewDialog()->isVisible()); // the window stays usable meanwhile
    EXPECT_FALSE(preview->isEnabled());                 // one preview at a time
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(pages.count(), 20);
    EXPECT_EQ(pages.last().at(0).toInt(), 19);
    EXPECT_FALSE(Window().PreviewDialog()->isVisible());
    const QString target = dir.filePath("out/Untitled");
    // The end names the folder and offers to open it.
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("20 pages")) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains(QDir::toNativeSeparators(target)));
    EXPECT_EQ(openedFolders, QStringList{target});
    for (int i = 1; i <= 20; ++i)
        EXPECT_TRUE(QFile::exists(QStringLiteral("%1/PG%2.jpg").arg(target).arg(i))) << i;
    EXPECT_EQ(Window().PreviewJob(), nullptr);
    EXPECT_TRUE(preview->isEnabled());
}

TEST_F(MainWindowTest, PdfExportWritesTheBookOffTheUiThreadAndTellsHowItEnded) {
    ShownWithBook();
    QString file; // empty: the picker is cancelled
    QStringList told;
    MainWindowHooks hooks;
    hooks.pickPdfFile = [&] { return file; };
    hooks.reviewProblems = [](const QString&) { return false; }; // continue anyway
    hooks.tell = [&](const QString& text) {
        const auto* progress = Window().findChild<QProgressDialog*>("mPdfProgress");
        told << (progress && progress->isVisible() ? "progress still shown" : text);
    };
    Window().SetHooks(hooks);
    QAction* pdf = Actions().fileExportPdf;
    pdf->trigger();
    EXPECT_EQ(Window().PdfJob(), nullptr);
    EXPECT_EQ(Window().findChild<QProgressDialog*>("mPdfProgress"), nullptr);

    QFile notAFolder(dir.filePath("notAFolder"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    const struct {
        QString file;
        bool written;
        QString told;
    } cases[] = {
        {dir.filePath("notAFolder/Trip.pdf"), false, "The PDF could not be written:\n"},
        {dir.filePath("Trip.pdf"), true, "The PDF is ready: 20 page(s)."},
    };
    for (const auto& c : cases) {
        file = c.file;
        pdf->trigger();
        ASSERT_NE(Window().PdfJob(), nullptr) << c.file.toStdString();
        QSignalSpy finished(Window().PdfJob(), &PageExportJob::finished);
        EXPECT_TRUE(Window().findChild<QProgressDialog*>("mPdfProgress")->isVisible());
        EXPECT_FALSE(pdf->isEnabled()); // one PDF at a time
        ASSERT_TRUE(finished.wait(60000));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Window().findChild<QProgressDialog*>("mPdfProgress"), nullptr);
        EXPECT_EQ(Window().PdfJob(), nullptr);
        EXPECT_TRUE(pdf->isEnabled());
        EXPECT_EQ(QFileInfo(c.file).isFile(), c.written) << c.file.toStdString();
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told.takeFirst().startsWith(c.told)) << c.file.toStdString();
    }
}

TEST_F(MainWindowTest, ImportPhotosHandsTheChosenFilesToThePhotosPane) {
    ShownWithBook();
    const QString photo = dir.filePath("beach.jpg");
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(20, 120, 200));
    ASSERT_TRUE(image.save(photo, "JPEG"));
    QStringList choice{QString()}; // cancelled
    MainWindowHooks hooks;
    hooks.pickPhotos = [&] { return choice; };
    Window().SetHooks(hooks);
    QSignalSpy finished(Window().GetSidePane()->Photos(), &PhotosPane::importFinished);
    Actions().bookImportPhotos->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(CurrentBook()->Photos().GetSize(), 0);

    choice = QStringList{photo};
    Actions().bookImportPhotos->trigger();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(CurrentBook()->Photos().GetSize(), 1);
}
