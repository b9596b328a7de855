#include "ui/online/OrderStatusWindow.h"

#include "base/Constants.h"
#include "online/ServiceAddress.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineView>

OrderStatusWindow::OrderStatusWindow(const Constants& strings, QString serviceBase, QWidget* owner)
    : QDialog(owner), mServiceBase(std::move(serviceBase)), mWebView(new QWebEngineView(this)),
      mConfirmButton(new QPushButton(strings.Text(u"cOkayButton"), this)) {
    setObjectName(QStringLiteral("orderStatusWindow"));
    setWindowTitle(strings.Text(u"cOrderStatusCaption"));
    mWebView->setObjectName(QStringLiteral("mWebBrowser"));
    mWebView->setContextMenuPolicy(Qt::NoContextMenu);
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
    mWebView->setUrl(ServiceAddress(mServiceBase).Status(orderIds));
    open();
}

OrderStatusWindow& OrderStatusWindowOf(QWidget* owner, const Constants& strings,
                                       const QString& serviceBase) {
    auto* window = owner->findChild<OrderStatusWindow*>(QString(), Qt::FindDirectChildrenOnly);
    return window ? *window : *new OrderStatusWindow(strings, serviceBase, owner);
}
