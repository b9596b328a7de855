#include "ui/order/OrderChecks.h"
#include "base/Constants.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A book whose problem pages are given, recording what the checks do.
struct FakeBook {
    int missing = -1;
    int tooSmall = -1;
    QStringList log;

    OrderCheckBook Checks() {
        return {[this] { return missing; }, [this] { return tooSmall; },
                [this](int i) { log << QStringLiteral("page %1").arg(i); }};
    }
};

class OrderChecksTest : public ::testing::Test {
protected:
    OrderChecksTest() {
        for (const char* key : {"cMissingPictureLabelCaption", "cMissingPictureCaption",
                                "cImageTooSmallLabelCaption", "cImageTooSmallCaption"})
            strings.ApplyLanguageLine(QString::fromLatin1(key) + "=" + key);
    }
    // Answers in turn, logging each question's title.
    bool Run(FakeBook& book, std::vector<bool> answers) {
        size_t next = 0;
        const AskYesNo ask = [&](const QString& prompt, const QString& title) {
            EXPECT_EQ(prompt, QString(title).replace("Caption", "LabelCaption"));
            book.log << title;
            EXPECT_LT(next, answers.size()) << "unexpected question";
            return next < answers.size() ? bool(answers[next++]) : false;
        };
        const bool pass = OrderChecksPass(book.Checks(), strings, ask);
        EXPECT_EQ(next, answers.size()) << "questions not asked";
        return pass;
    }
    Constants strings;
};

} // namespace

TEST_F(OrderChecksTest, NothingToAskGoesOn) {
    FakeBook book;
    EXPECT_TRUE(Run(book, {}));
    EXPECT_TRUE(book.log.isEmpty());
}

TEST_F(OrderChecksTest, EachQuestionAloneShowsItsPageAndYesStops) {
    for (bool yes : {true, false}) {
        FakeBook missing;
        missing.missing = 4;
        EXPECT_EQ(Run(missing, {yes}), !yes);
        EXPECT_EQ(missing.log, (QStringList{"page 4", "cMissingPictureCaption"}));

        FakeBook tooSmall;
        tooSmall.tooSmall = 0;
        EXPECT_EQ(Run(tooSmall, {yes}), !yes);
        EXPECT_EQ(tooSmall.log, (QStringList{"page 0", "cImageTooSmallCaption"}));
    }
}

TEST_F(OrderChecksTest, BothQuestionsAreAskedInOrderWhateverTheFirstAnswer) {
    const QStringList order{"page 2", "cMissingPictureCaption", "page 9", "cImageTooSmallCaption"};
    struct Case {
        bool first, second, pass;
    };
    for (const Case c : {Case{true, false, false}, Case{true, true, false},
                         Case{false, true, false}, Case{false, false, true}}) {
        FakeBook book;
        book.missing = 2;
        book.tooSmall = 9;
        EXPECT_EQ(Run(book, {c.first, c.second}), c.pass) << c.first << c.second;
        EXPECT_EQ(book.log, order);
    }
}
