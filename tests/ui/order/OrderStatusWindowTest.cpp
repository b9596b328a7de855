#include "ui/order/OrderStatusWindow.h"
#include "PrintService.h"
#include "base/Constants.h"
#include "ui/update/WebViewText.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

// The reference print service with two orders, one of them ended, and a
// shown owner window.
class OrderStatusWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        strings.ApplyLanguageLine(QStringLiteral("cOrderStatusCaption=<status>"));
        strings.ApplyLanguageLine(QStringLiteral("cOkayButton=<ok>"));
        ServiceOptions options;
        options.ordersFolder = dir.filePath(QStringLiteral("orders"));
        service = std::make_unique<PrintService>(options);
        ASSERT_NE(service->Listen(0), 0);
        first = service->Orders().Create(QStringLiteral("TEST"));
        second = service->Orders().Create(QStringLiteral("TEST"));
        service->Orders().End(second, 20, QStringLiteral("red"));
        owner.resize(400, 300);
        owner.show();
    }

    OrderStatusWindow& Window() {
        return OrderStatusWindowOf(&owner, strings, service->ServiceUrl());
    }

    QTemporaryDir dir;
    Constants strings;
    std::unique_ptr<PrintService> service;
    QString first, second;
    QWidget owner;
};

TEST_F(OrderStatusWindowTest, ShowsTheStatusPageOfAllOrdersOfTheBook) {
    OrderStatusWindow& window = Window();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.WebView()->isHidden()) << "no address yet";
    EXPECT_EQ(window.windowTitle(), QStringLiteral("<status>"));
    EXPECT_EQ(window.ConfirmButton()->text(), QStringLiteral("<ok>"));
    EXPECT_EQ(window.WebView()->contextMenuPolicy(), Qt::NoContextMenu);

    const QString ids = first + u',' + second;
    window.ShowOrderStatus(ids);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isModal()) << "modal over its owner";
    EXPECT_EQ(window.parentWidget(), &owner);
    EXPECT_TRUE(window.WebView()->isVisible());
    EXPECT_EQ(window.WebView()->url().toString(), service->ServiceUrl() + "status.php?ids=" + ids);

    const QString text = WaitForDocumentText(*window.WebView(), second);
    EXPECT_TRUE(text.contains(first)) << text.toStdString();
    EXPECT_TRUE(text.contains(second)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Complete: all 20 pages received")))
        << text.toStdString();
    EXPECT_TRUE(service->Requests().contains(QStringLiteral("status.php?ids=") + ids));

    QTest::mouseClick(window.ConfirmButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(OrderStatusWindowTest, IsMadeOnceAndShowsAnEmptyListAsItIs) {
    OrderStatusWindow* made = &Window();
    made->ShowOrderStatus(first);
    WaitForDocumentText(*made->WebView(), first);
    made->ConfirmButton()->click();

    OrderStatusWindow& again = Window();
    EXPECT_EQ(&again, made);
    EXPECT_EQ(owner.findChildren<OrderStatusWindow*>().size(), 1);
    again.ShowOrderStatus(QString());
    EXPECT_EQ(again.WebView()->url().toString(), service->ServiceUrl() + "status.php?ids=");
    const QString text = WaitForDocumentText(*again.WebView(), [this](const QString& shown) {
        return shown.contains(QStringLiteral("Your orders")) && !shown.contains(first);
    });
    EXPECT_TRUE(text.contains(QStringLiteral("Your orders"))) << text.toStdString();
    EXPECT_FALSE(text.contains(first)) << "the page of the new address";
    EXPECT_EQ(service->Requests().count(QStringLiteral("status.php?ids=")), 1);
    again.ConfirmButton()->click();
}

namespace {

bool MenuShows(int withinMs) {
    return QTest::qWaitFor(
        [] {
            for (QWidget* each : QApplication::topLevelWidgets())
                if (qobject_cast<QMenu*>(each) && each->isVisible())
                    return true;
            return false;
        },
        withinMs);
}

} // namespace

TEST_F(OrderStatusWindowTest, TheDocumentsContextMenuIsSuppressed) {
    OrderStatusWindow& window = Window();
    window.ShowOrderStatus(first);
    WaitForDocumentText(*window.WebView(), first);
    QWidget* page = window.WebView()->focusProxy();
    ASSERT_NE(page, nullptr);
    QTest::mouseClick(page, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_FALSE(MenuShows(2000));

    // The same click where menus are allowed shows one.
    window.WebView()->setContextMenuPolicy(Qt::DefaultContextMenu);
    QTest::mouseClick(page, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_TRUE(MenuShows(5000));
    for (QWidget* each : QApplication::topLevelWidgets())
        if (qobject_cast<QMenu*>(each))
            each->close();
    window.ConfirmButton()->click();
}

// An order tried twice is kept twice in the book; the page names it once,
// says in plain words that its upload did not finish, and its link asks the
// program to continue from the first page the service lacks.
TEST_F(OrderStatusWindowTest, AnUnfinishedUploadShowsOnceAndCanBeContinued) {
    service->Orders().StorePage(first, 1, QByteArray("page"));
    service->Orders().StorePage(first, 2, QByteArray("page"));
    OrderStatusWindow& window = Window();
    QSignalSpy resume(&window, &OrderStatusWindow::resumeRequested);
    window.ShowOrderStatus(first + u',' + second + u',' + first);
    EXPECT_EQ(window.WebView()->url().toString(),
              service->ServiceUrl() + "status.php?ids=" + first + u',' + second);
    const QString text = WaitForDocumentText(*window.WebView(), second);
    EXPECT_EQ(text.count(first), 1) << text.toStdString();
    EXPECT_TRUE(text.contains("Upload not finished: 2 pages received")) << text.toStdString();

    QVariantList centre;
    window.WebView()->page()->runJavaScript(
        QStringLiteral("(() => { const r = document.querySelector(\"a[href^='resume']\")"
                       ".getBoundingClientRect(); return [r.left + 4, r.top + r.height / 2]; })()"),
        [&centre](const QVariant& value) { centre = value.toList(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return centre.size() == 2; }, 10000));
    const QPoint at(qRound(centre[0].toDouble()), qRound(centre[1].toDouble()));
    QTest::mouseClick(window.WebView()->focusProxy(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(resume.wait(10000) || resume.size() == 1);
    EXPECT_EQ(resume.front(), (QVariantList{first, 2})); // page 3 is the first missing
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(service->Requests().contains(QStringLiteral("resume.php?id=") + first +
                                              QStringLiteral("&page=3")));
}
