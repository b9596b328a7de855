#include "ui/order/OrderLoadFailure.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

OrderLoadFailure::OrderLoadFailure(QWidget* parent)
    : QFrame(parent), mTitle(new QLabel(tr("The print service cannot be reached"))),
      mText(new QLabel), mRetry(new QPushButton(tr("&Retry"))),
      mPreferences(new QPushButton(tr("&Preferences..."))) {
    setObjectName(QStringLiteral("orderLoadFailure"));
    setAutoFillBackground(true);
    setFrameShape(QFrame::StyledPanel);
    QFont big = mTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    mTitle->setFont(big);
    mText->setObjectName(QStringLiteral("orderLoadFailureText"));
    mText->setWordWrap(true);
    mText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mRetry->setObjectName(QStringLiteral("orderRetryButton"));
    mPreferences->setObjectName(QStringLiteral("orderPreferencesButton"));
    mRetry->setAutoDefault(false);
    mPreferences->setAutoDefault(false);
    connect(mRetry, &QPushButton::clicked, this, &OrderLoadFailure::retryClicked);
    connect(mPreferences, &QPushButton::clicked, this, &OrderLoadFailure::preferencesClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mRetry);
    buttons->addWidget(mPreferences);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(mTitle);
    layout->addWidget(mText);
    layout->addLayout(buttons);
    layout->addStretch();
    hide();
}

namespace {

// The engine's "net::ERR_CONNECTION_REFUSED" as "connection refused".
QString ReasonInWords(const QString& reason) {
    const QLatin1String prefix("net::ERR_");
    if (!reason.startsWith(prefix))
        return reason;
    return reason.mid(prefix.size()).toLower().replace(QLatin1Char('_'), QLatin1Char(' '));
}

} // namespace

void OrderLoadFailure::Show(const QUrl& address, const QString& reason) {
    mAddress = address;
    const QString shown = address.toDisplayString(QUrl::RemoveUserInfo);
    mText->setText(tr("The page %1 could not be loaded: %2.\n\nCheck the connection to the "
                      "internet, then press Retry. If the print service has moved, set its "
                      "new address in the Preferences.")
                       .arg(shown, reason.isEmpty() ? tr("no answer") : ReasonInWords(reason)));
    show();
    raise();
}
