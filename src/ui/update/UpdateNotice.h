#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class Constants;
class QLabel;
class QSequentialAnimationGroup;

// How the notice moves: up at a steady speed, a pause, down again.
struct NoticeMotion {
    int msPerPixel = 4;
    int holdMs = 5000;
};

// The small window announcing a newer version. It slides up out of the
// bottom right corner of the screen, stays for a moment, slides down and
// closes itself (it is deleted then). Clicking its blue message sends
// addressChosen and closes it.
class UpdateNotice : public QWidget {
    Q_OBJECT
public:
    explicit UpdateNotice(const Constants& strings, QWidget* parent = nullptr,
                          NoticeMotion motion = {});

    void SetAddress(const QString& address) { mAddress = address; }
    const QString& Address() const { return mAddress; }
    // True once the window has shown.
    bool IsShown() const { return mShown; }
    QLabel* Message() const { return mMessage; }

    // Places the window just below the screen's bottom edge at the right,
    // shows it and starts the motion.
    void Start();
    // Where the motion starts and ends, and where the window rests between.
    QPoint StartPosition() const;
    QPoint RestingPosition() const;

signals:
    void addressChosen(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect ScreenArea() const;

    QLabel* mMessage;
    QSequentialAnimationGroup* mMotion = nullptr;
    NoticeMotion mSpeed;
    QString mAddress;
    bool mShown = false;
};
