#include "ui/update/UpdateNotice.h"

#include "base/Constants.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPauseAnimation>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSequentialAnimationGroup>
#include <QVBoxLayout>
#include <algorithm>

UpdateNotice::UpdateNotice(const Constants& strings, QWidget* parent, NoticeMotion motion)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus),
      mMessage(new QLabel(strings.Text(u"cNewUpdateHasNewVersion"), this)), mSpeed(motion) {
    setObjectName(QStringLiteral("updateNotice"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(strings.Text(u"cMainFormCaption"));

    auto* caption = new QLabel(strings.Text(u"cMainFormCaption"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    mMessage->setObjectName(QStringLiteral("mMsg"));
    mMessage->setWordWrap(true);
    mMessage->setStyleSheet(QStringLiteral("color: #0000ff;"));
    mMessage->setCursor(Qt::PointingHandCursor);
    mMessage->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(mMessage, 1);
    setStyleSheet(QStringLiteral("UpdateNotice { border: 1px solid palette(dark); }"));
    setAttribute(Qt::WA_StyledBackground);
    // Room for a long translation: the height follows the wrapped text.
    const int width = 280;
    setFixedSize(width, std::max(96, layout->totalHeightForWidth(width)));
}

QRect UpdateNotice::ScreenArea() const {
    const QScreen* where = screen();
    return where ? where->geometry() : QRect(0, 0, 800, 600);
}

QPoint UpdateNotice::StartPosition() const {
    const QRect area = ScreenArea();
    return {area.x() + area.width() - width(), area.y() + area.height()};
}

QPoint UpdateNotice::RestingPosition() const { return StartPosition() - QPoint(0, height()); }

void UpdateNotice::Start() {
    move(StartPosition());
    show();
    const int slideMs = height() * mSpeed.msPerPixel;
    auto* up = new QPropertyAnimation(this, "pos");
    up->setStartValue(StartPosition());
    up->setEndValue(RestingPosition());
    up->setDuration(slideMs);
    auto* down = new QPropertyAnimation(this, "pos");
    down->setStartValue(RestingPosition());
    down->setEndValue(StartPosition());
    down->setDuration(slideMs);
    mMotion = new QSequentialAnimationGroup(this);
    mMotion->addAnimation(up);
    mMotion->addAnimation(new QPauseAnimation(mSpeed.holdMs));
    mMotion->addAnimation(down);
    connect(mMotion, &QAbstractAnimation::finished, this, &QWidget::close);
    mMotion->start();
}

void UpdateNotice::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    mShown = true;
}

bool UpdateNotice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mMessage && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (mMotion)
            mMotion->stop();
        const QString address = mAddress;
        close(); // deleted later: the signal may close the program
        emit addressChosen(address);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
