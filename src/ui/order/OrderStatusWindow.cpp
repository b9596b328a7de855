#include "ui/order/OrderStatusWindow.h"

#include "base/Constants.h"
#include "online/ServiceAddress.h"
#include "ui/order/OrderWebPage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QWebEngineView>

OrderStatusWindow::OrderStatusWindow(const Constants& strings, QString serviceBase, QWidget* owner)
    : QDialog(owner), mServiceBase(std::move(serviceBase)), mWebView(new QWebEngineView(this)),
      mConfirmButton(new QPushButton(strings.Text(u"cOkayButton"), this)) {
    setObjectName(QStringLiteral("orderStatusWindow"));
    setWindowTitle(strings.Text(u"cOrderStatusCaption"));
    mWebView->setObjectName(QStringLiteral("mWebBrowser"));
    mWebView->setContextMenuPolicy(Qt::NoContextMenu);
    auto* page = new OrderWebPage(mWebView);
    page->SetLinkFilter([this](const QUrl& url) { return OnLinkClicked(url); });
    mWebView->setPage(page);
    mWebView->hide(); // until there is an address
    mConfirmButton->setObjectName(QStringLiteral("mConfirmButton"));
    mConfirmButton->setDefault(true);
    connect(mConfirmButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mConfirmButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mWebView, 1);
    layout->addLayout(buttons);
    resize(640, 480);
}

void OrderStatusWindow::ShowOrderStatus(const QString& orderIds) {
    mWebView->show();
    mWebView->setUrl(ServiceAddress(mServiceBase).Status(EachOrderIdOnce(orderIds)));
    open();
}

// Only the service's own continue link of a well-formed order is taken.
bool OrderStatusWindow::OnLinkClicked(const QUrl& url) {
    const QUrl resume = ServiceAddress(mServiceBase).Resume();
    if (url.adjusted(QUrl::RemoveQuery) != resume)
        return false;
    const QUrlQuery query(url);
    const QString id = query.queryItemValue(QStringLiteral("id"));
    bool number = false;
    const int page = query.queryItemValue(QStringLiteral("page")).toInt(&number);
    if (!IsSafeServiceToken(id) || !number || page < 1)
        return true; // not followed either
    accept();
    emit resumeRequested(id, page - 1);
    return true;
}

QString EachOrderIdOnce(const QString& orderIds) {
    QStringList ids = orderIds.split(QLatin1Char(','), Qt::SkipEmptyParts);
    ids.removeDuplicates();
    return ids.join(QLatin1Char(','));
}

OrderStatusWindow& OrderStatusWindowOf(QWidget* owner, const Constants& strings,
                                       const QString& serviceBase) {
    auto* window = owner->findChild<OrderStatusWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        return *new OrderStatusWindow(strings, serviceBase, owner);
    window->SetServiceBase(serviceBase);
    return *window;
}
