#include "ui/update/UpdateNotice.h"
#include "base/Constants.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Where a window was, and when, each time it moved.
// The positions the notice's motion sets, in order (the window system's own
// move events may arrive late or adjusted near the screen's edge).
class MoveRecorder : public QObject {
public:
    explicit MoveRecorder(QWidget* window) {
        steps << Step{window->pos(), 0}; // where the motion starts from
        for (auto* motion : window->findChildren<QPropertyAnimation*>())
            connect(motion, &QVariantAnimation::valueChanged, this, [this](const QVariant& at) {
                steps << Step{at.toPoint(), clock.elapsed()};
            });
    }

    struct Step {
        QPoint at;
        qint64 ms;
    };
    QList<Step> steps;

private:
    QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
};

} // namespace

class UpdateNoticeTest : public ::testing::Test {
protected:
    UpdateNoticeTest() {
        strings.ApplyLanguageLine(QStringLiteral("cNewUpdateHasNewVersion=<newer>"));
        strings.ApplyLanguageLine(QStringLiteral("cMainFormCaption=<main>"));
    }

    Constants strings;
};

TEST_F(UpdateNoticeTest, ABlueMessageAtTheBottomRightOfTheScreen) {
    QPointer<UpdateNotice> notice = new UpdateNotice(strings, nullptr, {2, 60000});
    notice->SetAddress(QStringLiteral("dl.example.org"));
    EXPECT_FALSE(notice->IsShown());
    EXPECT_EQ(notice->Message()->text(), QStringLiteral("<newer>"));
    EXPECT_EQ(notice->windowTitle(), QStringLiteral("<main>"));
    notice->Message()->ensurePolished();
    EXPECT_EQ(notice->Message()->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    const QRect screen = notice->screen()->geometry();
    EXPECT_EQ(notice->StartPosition(),
              QPoint(screen.right() + 1 - notice->width(), screen.bottom() + 1));
    EXPECT_EQ(notice->RestingPosition(),
              QPoint(screen.right() + 1 - notice->width(), screen.bottom() + 1 - notice->height()));
    notice->Start();
    EXPECT_TRUE(notice->IsShown());
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->pos(), notice->StartPosition()) << "just below the screen";
    delete notice.data();
}

TEST_F(UpdateNoticeTest, SlidesUpRestsSlidesDownAndCloses) {
    const int holdMs = 400;
    QPointer<UpdateNotice> notice = new UpdateNotice(strings, nullptr, {2, holdMs});
    const QPoint start = notice->StartPosition();
    const QPoint rest = notice->RestingPosition();
    notice->Start();
    MoveRecorder moves(notice);
    ASSERT_TRUE(QTest::qWaitFor([&] { return notice.isNull(); }, 10000)) << "still there";

    ASSERT_GE(moves.steps.size(), 4);
    EXPECT_EQ(moves.steps.first().at, start);
    EXPECT_EQ(moves.steps.last().at, start);
    qsizetype top = 0;
    while (top < moves.steps.size() && moves.steps[top].at != rest)
        ++top;
    ASSERT_LT(top, moves.steps.size()) << "never at rest";
    for (qsizetype i = 0; i < moves.steps.size(); ++i) {
        const int y = moves.steps[i].at.y();
        EXPECT_EQ(moves.steps[i].at.x(), start.x());
        EXPECT_TRUE(y >= rest.y() && y <= start.y()) << y;
        if (i > 0 && i <= top)
            EXPECT_LT(y, moves.steps[i - 1].at.y()) << "up, step " << i;
        if (i > top + 1)
            EXPECT_GT(y, moves.steps[i - 1].at.y()) << "down, step " << i;
    }
    ASSERT_LT(top + 1, moves.steps.size());
    EXPECT_GE(moves.steps[top + 1].ms - moves.steps[top].ms, holdMs - 20) << "rests";
}

TEST_F(UpdateNoticeTest, ClickingTheMessageChoosesTheAddressAndCloses) {
    QPointer<UpdateNotice> notice = new UpdateNotice(strings, nullptr, {2, 60000});
    notice->SetAddress(QStringLiteral("dl.example.org/get"));
    QSignalSpy chosen(notice.data(), &UpdateNotice::addressChosen);
    notice->Start();
    QTest::mouseClick(notice->Message(), Qt::RightButton);
    EXPECT_TRUE(chosen.isEmpty());
    QTest::mouseClick(notice->Message(), Qt::LeftButton);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.first().first().toString(), QStringLiteral("dl.example.org/get"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return notice.isNull(); }, 2000)) << "still open";
}

TEST_F(UpdateNoticeTest, StaysFiveSecondsByDefault) {
    QPointer<UpdateNotice> notice = new UpdateNotice(strings);
    notice->Start();
    QTest::qWait(4500);
    ASSERT_FALSE(notice.isNull());
    EXPECT_EQ(notice->pos(), notice->RestingPosition());
    EXPECT_TRUE(QTest::qWaitFor([&] { return notice.isNull(); }, 5000)) << "still there";
}

TEST_F(UpdateNoticeTest, ALongMessageMakesItTallerAndShowsAllOfIt) {
    const UpdateNotice plain(strings);
    strings.ApplyLanguageLine(QStringLiteral("cNewUpdateHasNewVersion=") +
                              QStringLiteral("A newer version is waiting. ").repeated(12));
    UpdateNotice notice(strings);
    notice.show();
    EXPECT_GT(notice.height(), plain.height());
    QLabel* message = notice.Message();
    EXPECT_GE(message->height(), message->heightForWidth(message->width()));
}
