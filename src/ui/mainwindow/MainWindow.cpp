#include "ui/mainwindow/MainWindow.h"

#include "base/Constants.h"
#include "base/UserFolders.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Templates.h"
#include "ui/bookview/TemplateApply.h"
#include "ui/bookview/TemplatesPane.h"
#include "ui/common/MessageBoxButtons.h"
#include "ui/mainwindow/BookChecks.h"
#include "ui/mainwindow/BookExports.h"
#include "ui/mainwindow/BookViewStateKeeper.h"
#include "ui/mainwindow/HelpPages.h"
#include "ui/mainwindow/IntroductionPanel.h"
#include "ui/mainwindow/MainLayout.h"
#include "ui/mainwindow/MainWindowRules.h"
#include "ui/mainwindow/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

MainWindow::MainWindow(const MainWindowContext& context, QWidget* parent)
    : QMainWindow(parent), mStrings(context.ui.strings), mTemplates(context.ui.templates),
      mBooks(context.ui.books), mFolders(context.folders), mDataFolder(context.dataFolder),
      mPlacementFile(context.placementFile), mPrompts(mHooks, mStrings, this),
      mHelp(std::make_unique<HelpPages>(mDataFolder, mPrompts)) {
    setObjectName(QStringLiteral("MainWindow"));
    CreateChildren(context.ui);
    // Creation: the nine group names, then group 1.
    for (int i = 0; i <= mTemplates.GetCount(); ++i)
        mTemplateSelector->addItem(mTemplates.GetName(i));
    connect(mTemplateSelector, &QComboBox::currentIndexChanged, mTemplatesPane,
            &TemplatesPane::RenderTemplates);
    connect(mTemplatesPane, &TemplatesPane::templateChosen, this,
            [this](const std::shared_ptr<Template>& chosen) {
                if (chosen)
                    ApplyTemplateToCurrentPage(mBooks, *chosen);
            });
    mTemplateSelector->setCurrentIndex(1);

    // Loading.
    connect(&mBooks, &BookManager::bookChanged, this, &MainWindow::OnBookChange);
    connect(&mBooks, &BookManager::bookListChanged, this, &MainWindow::SetAlbumMenu);
    // Queued: the first is found while the window is being made.
    connect(&mBooks, &BookManager::bookBusy, this, &MainWindow::ShowBookBusy, Qt::QueuedConnection);
    connect(&mBooks.Session(), &BookSession::pageIndexChanged, this,
            &MainWindow::SetPrevNextPageButtonStatus);
    mViewState = new BookViewStateKeeper(
        mBooks, *mBookView, *mSidePane, [this] { return PlacementStore(); }, this);
    connect(mViewState, &BookViewStateKeeper::viewStateRestored, this,
            &MainWindow::OnViewStateRestored);
    RestorePlacement();
    CreateMenus();
    setWindowTitle(mStrings.Text(u"cMainFormCaption"));
    setMinimumSize(MainLayout::kMinimumWidth, MainLayout::kMinimumHeight);
    SetNewPageButtonStatus();
    SetPrevNextPageButtonStatus();
    SetBookOrderStatusMenu();
    mBookView->setFocus(); // the keys start in the book view
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateChildren(const UiContext& context) {
    mClient = new QWidget(this);
    mClient->setObjectName(QStringLiteral("mClient"));
    setCentralWidget(mClient);
    mSidePane = new SidePane(context, mClient); // the photos pane pages hand photos to
    mSidePane->setObjectName(QStringLiteral("mSidePane"));
    mTemplateSelector = new QComboBox(mClient);
    mTemplateSelector->setObjectName(QStringLiteral("mTemplateSelector"));
    mTemplateSelector->setFixedSize(MainLayout::kSelectorWidth, MainLayout::kSelectorHeight);
    mTemplateSelector->setToolTip(tr("Which layouts to list: by the number of photos"));
    mTemplatesPane = new TemplatesPane(mTemplates, mClient);
    mTemplatesPane->setObjectName(QStringLiteral("mTemplatesPane"));
    mTemplatesPane->resize(MainLayout::kPickerWidth, mTemplatesPane->height());
    mBookView = new BookView(context, mClient);
    mBookView->setObjectName(QStringLiteral("mBookView"));
    mExports =
        std::make_unique<BookExports>(mBooks, mTemplates, context.renderer, mStrings, mPrompts);
    connect(mExports.get(), &BookExports::runningChanged, this, &MainWindow::RefreshHookedItems);
    mChecks = new BookChecks(mBooks, mTemplates, *mBookView, mPrompts);
    mChecks->setParent(this);

    connect(mBookView, &BookView::prevNextStatusChanged, this,
            &MainWindow::SetPrevNextPageButtonStatus);
    const auto runCommandOn = [this](void (BookView::*request)(), void (MainWindow::*command)(),
                                     const char* name) {
        connect(mBookView, request, this, [this, command, name] { RunCommand(command, name); });
    };
    runCommandOn(&BookView::newPageRequested, &MainWindow::onBookNewPageTriggered, "New Page");
    runCommandOn(&BookView::pageViewToggleRequested, &MainWindow::onBookPageViewTriggered,
                 "Page View");
    runCommandOn(&BookView::previousPageRequested, &MainWindow::onBookPreviousPageTriggered,
                 "Previous Page");
    runCommandOn(&BookView::nextPageRequested, &MainWindow::onBookNextPageTriggered, "Next Page");
    runCommandOn(&BookView::importPhotosRequested, &MainWindow::onBookImportPhotosTriggered,
                 "Import Photos");
    runCommandOn(&BookView::orderRequested, &MainWindow::onBookOrderTriggered, "Order");
    connect(mSidePane, &SidePane::paneChanged, this, &MainWindow::Resize);
    connect(mBookView, &BookView::findPhotoFileRequested, this, &MainWindow::FindPhotoFile);
    connect(&mBooks.Session(), &BookSession::photoRelinked, this,
            [this](const std::shared_ptr<PhotoImage>&, const QString& failure) {
                if (!failure.isEmpty())
                    ShowMessage(tr("The photo file was not taken."), failure);
            });
    mClient->installEventFilter(this);
}

std::shared_ptr<Book> MainWindow::CurrentBook() const { return mBooks.GetBook(); }

PreviewStatusDialog* MainWindow::PreviewDialog() const { return mExports->PreviewDialog(); }
PageExportJob* MainWindow::PreviewJob() const { return mExports->PreviewJob(); }
PageExportJob* MainWindow::PdfJob() const { return mExports->PdfJob(); }

// ---- book events and menu states

void MainWindow::OnBookChange() {
    SubscribeToBook(CurrentBook());
    SetAlbumMenu();
    SetBookOrderStatusMenu();
    SetNewPageButtonStatus();
    SetPrevNextPageButtonStatus();
    // The book view has returned to its starting view (it hears of the book first).
    mActions.bookPageView->setText(
        mStrings.Text(MainWindowRules::PageViewCaptionKey(mBookView->GetPagesView())));
    if (const auto book = CurrentBook())
        setWindowTitle(
            MainWindowRules::WindowTitle(mStrings.Text(u"cMainFormCaption"), book->GetName()));
    Resize();                            // the new book's side-pane view
    mViewState->RestoreViewState(false); // its page follows when the change is done
}

void MainWindow::OnViewStateRestored() {
    mActions.bookPageView->setText(
        mStrings.Text(MainWindowRules::PageViewCaptionKey(mBookView->GetPagesView())));
    Resize();
    mSidePane->Relayout();
}

void MainWindow::SubscribeToBook(const std::shared_ptr<Book>& book) {
    if (mSubscribedBook)
        disconnect(mSubscribedBook, nullptr, this, nullptr);
    mSubscribedBook = book.get();
    if (!book)
        return;
    connect(book.get(), &Book::pageAdded, this, &MainWindow::SetNewPageButtonStatus);
    connect(book.get(), &Book::pageDeleted, this, &MainWindow::SetNewPageButtonStatus);
    connect(book.get(), &Book::saveFailed, this, &MainWindow::ShowSaveFailure);
}

QMessageBox* MainWindow::SaveFailureBox() const { return mSaveFailureBox; }

void MainWindow::ShowSaveFailure(const QString& detail) {
    if (mSaveFailureBox)
        return; // the user has not dismissed the last one yet
    auto* box = new QMessageBox(QMessageBox::Warning, mStrings.Text(u"cMainFormCaption"),
                                mStrings.Text(u"cBookSaveFailed"), QMessageBox::Ok, this);
    NameStandardButtons(*box, mStrings);
    box->setInformativeText(detail);
    box->setAttribute(Qt::WA_DeleteOnClose);
    mSaveFailureBox = box;
    box->open();
}

void MainWindow::ShowBookBusy(const QString& name, const QString& reason) {
    ShowMessage(tr("The book \"%1\" is not opened.").arg(name),
                reason + QLatin1Char(' ') + tr("Open it again when that has finished."));
}

void MainWindow::ShowMessage(const QString& text, const QString& detail) {
    if (mMessageBox)
        return; // one at a time: opening passes over every held book
    auto* box = new QMessageBox(QMessageBox::Information, mStrings.Text(u"cMainFormCaption"), text,
                                QMessageBox::Ok, this);
    NameStandardButtons(*box, mStrings);
    box->setInformativeText(detail);
    box->setAttribute(Qt::WA_DeleteOnClose);
    mMessageBox = box;
    box->open();
}

void MainWindow::SetPrevNextPageButtonStatus() {
    mActions.bookPreviousPage->setEnabled(mBookView->HasPreviousPage());
    mActions.bookNextPage->setEnabled(mBookView->HasNextPage());
}

void MainWindow::SetNewPageButtonStatus() {
    const auto book = CurrentBook();
    mActions.bookNewPage->setEnabled(book && book->AllowNewPage());
}

void MainWindow::SetBookOrderStatusMenu() {
    const auto book = CurrentBook();
    mActions.bookOrderStatus->setEnabled(mHooks.orderStatus && book &&
                                         !book->GetOrderIds().isEmpty());
}

void MainWindow::DeleteBook() { mBooks.DeleteBook(); }

// ---- layout

void MainWindow::Resize() {
    if (isMinimized())
        return;
    const QSize outer = frameGeometry().size();
    const QSize floor = MainLayout::EnforceOuterFloor(outer);
    if (floor != outer)
        resize(size() + (floor - outer));

    MainLayout::Input in;
    in.clientWidth = mClient->width();
    in.clientHeight = mClient->height();
    in.paneView = mSidePane->View();
    in.selector = mTemplateSelector->size();
    in.pickerWidth = mTemplatesPane->width();
    in.columnWidth = mSidePane->PreferredWidth();
    const MainLayout::Result r = MainLayout::Compute(in);
    mSidePane->setGeometry(r.pane);
    mTemplateSelector->setGeometry(r.selector);
    mTemplatesPane->setGeometry(r.picker);
    mBookView->setGeometry(r.book);
    update();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (mBookView->RunKey(*event))
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Resize();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mClient && event->type() == QEvent::Resize)
        Resize();
    return QMainWindow::eventFilter(watched, event);
}

// ---- placement and closing

std::unique_ptr<QSettings> MainWindow::PlacementStore() const {
    if (mPlacementFile.isEmpty())
        return OpenPlacementSettings();
    return std::make_unique<QSettings>(mPlacementFile, QSettings::IniFormat);
}

// Position of the frame and size of the window, so that a restored window
// keeps its size from run to run whatever frame the desktop adds.
void MainWindow::RestorePlacement() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!HasStoredPlacement(*PlacementStore()) && screen) {
        const QRect r = MainWindowRules::FirstStartRect(
            screen->availableGeometry(), {MainLayout::kMinimumWidth, MainLayout::kMinimumHeight});
        move(r.topLeft());
        resize(r.size());
        return;
    }
    QRect r = MainWindowRules::PlacementToPixels(ReadWindowPlacement(*PlacementStore()));
    if (!QGuiApplication::screenAt(r.topLeft())) // a screen that is gone
        r.moveTopLeft(MainWindowRules::PlacementToPixels(WindowPlacement{}).topLeft());
    move(r.topLeft());
    resize(r.size());
}

void MainWindow::SavePlacement() {
    const QRect r(pos(), size());
    WriteWindowPlacement(*PlacementStore(), MainWindowRules::PixelsToPlacement(r), isMinimized());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (mClosed)
        return;
    mClosed = true;
    // Other windows first, the most recent first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    }
    mBooks.Quit(); // editors commit their pending edits
    mViewState->SaveViewState();
    SavePlacement();
}

// ---- introduction panel

IntroductionPanel& MainWindow::Introduction() {
    if (!mIntroduction) {
        const QString settings = mFolders ? mFolders->GetSettingsFile() : QString();
        mIntroduction = new IntroductionPanel(mStrings, mDataFolder, settings, this);
    }
    return *mIntroduction;
}

void MainWindow::ShowIntroductionModal() { Introduction().exec(); }

void MainWindow::ShowIntroduction() {
    Introduction().show();
    Introduction().raise();
    Introduction().activateWindow(); // the keys go to it, also when it was open behind
}
