#include "PrintService.h"
#include "app/StartUp.h"
#include "base/UserFolders.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/order/OrderStatusWindow.h"
#include "ui/update/UpdateNotice.h"
#include "ui/update/WebViewText.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

// The program started as it starts, its order service the reference print
// service on a free port of this machine.
class WindowHooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile language(program.filePath("English.txt"));
        ASSERT_TRUE(language.open(QIODevice::WriteOnly));
        language.write("cMainFormCaption=Lumbra\r\ncOkayButton=OK\r\n"
                       "cOrderStatusCaption=Order status\r\ncNewUpdateCaption=Update\r\n"
                       "cNewUpdateHasNewVersion=A newer version\r\n"
                       "cNewUpdateNoNewVersion=Up to date\r\n");
        language.close();
        ServiceOptions serviceOptions;
        serviceOptions.ordersFolder = user.filePath(QStringLiteral("orders"));
        service = std::make_unique<PrintService>(serviceOptions);
        ASSERT_NE(service->Listen(0), 0);
        savedServiceUrl = qgetenv("LUMBRA_SERVICE_URL");
        qputenv("LUMBRA_SERVICE_URL", service->ServiceUrl().toUtf8());

        StartUpOptions options;
        options.dataFolder = program.path();
        options.locale = QLocale(QLocale::English);
        options.folders = FolderLayoutBelow(user.path(), user.filePath("Pictures"));
        options.placementFile = user.filePath("placement.ini");
        options.showIntroduction = [](MainWindow&) {};
        startUp = std::make_unique<StartUp>(options);
        startUp->Run();
        started.start();
    }
    void TearDown() override {
        startUp.reset();
        if (savedServiceUrl.isNull())
            qunsetenv("LUMBRA_SERVICE_URL");
        else
            qputenv("LUMBRA_SERVICE_URL", savedServiceUrl);
    }

    MainWindow& Window() { return *startUp->MainWindow(); }
    QAction* Item(const char* name) { return Window().findChild<QAction*>(QLatin1String(name)); }

    QTemporaryDir program, user;
    std::unique_ptr<PrintService> service;
    QByteArray savedServiceUrl;
    std::unique_ptr<StartUp> startUp;
    QElapsedTimer started;
};

TEST_F(WindowHooksTest, OrderStatusShowsTheServicesPageForTheBooksOrders) {
    ASSERT_NE(Item("mnuBookOrderStatus"), nullptr);
    EXPECT_FALSE(Item("mnuBookOrderStatus")->isEnabled()) << "never ordered";
    const QString first = service->Orders().Create(QStringLiteral("TEST"));
    const QString second = service->Orders().Create(QStringLiteral("TEST"));
    startUp->Books()->GetBook()->AddOrderId(first);
    startUp->Books()->GetBook()->AddOrderId(second);
    Window().SetBookOrderStatusMenu();
    ASSERT_TRUE(Item("mnuBookOrderStatus")->isEnabled());

    Item("mnuBookOrderStatus")->trigger();
    auto* status = Window().findChild<OrderStatusWindow*>();
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->windowTitle(), QStringLiteral("Order status"));
    const QString text = WaitForDocumentText(*status->WebView(), second);
    EXPECT_TRUE(text.contains(first) && text.contains(second)) << text.toStdString();
    EXPECT_TRUE(service->Requests().contains("status.php?ids=" + first + "," + second));
    status->ConfirmButton()->click();
}

TEST_F(WindowHooksTest, HelpChecksForUpdatesAndTheSilentCheckFollowsFiveSecondsAfterStart) {
    service->Options().newerVersionUrl = QStringLiteral("dl.example.org/lumbra");
    ASSERT_NE(Item("mnuHelpChkUpdate"), nullptr);
    ASSERT_TRUE(Item("mnuHelpChkUpdate")->isEnabled());
    Item("mnuHelpChkUpdate")->trigger();
    QMessageBox* question = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        question = Window().findChild<QMessageBox*>();
        return question && question->isVisible();
    }));
    EXPECT_EQ(question->text(), QStringLiteral("A newer version"));
    EXPECT_EQ(Window().findChild<UpdateNotice*>(), nullptr) << "asked for: no notice";
    question->button(QMessageBox::No)->click();

    ASSERT_TRUE(QTest::qWaitFor([&] { return Window().findChild<UpdateNotice*>(); }, 10000));
    EXPECT_GE(started.elapsed(), 4500) << "too early";
    EXPECT_EQ(Window().findChild<UpdateNotice*>()->Address(), "dl.example.org/lumbra");
    EXPECT_TRUE(Window().isVisible());
}
