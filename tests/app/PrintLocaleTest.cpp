#include "LumbraProcess.h"

#include "app/CommandLine.h"
#include "base/Codec.h"
#include "imaging/FreeImageBridge.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// A page with one text box: a line in a font that has no Chinese, a line in
// another font, a line that names none. The Chinese characters are drawn
// differently in the Japanese and the Chinese forms of the same font.
const char* const kText = "{\\rtf1\\ansi\\ansicpg1252\\deff0"
                          "{\\fonttbl{\\f0\\fnil DejaVu Sans;}{\\f1\\fnil Liberation Serif;}}"
                          "\\f0\\fs40 Summer \\u30452?\\u39592?\\u20170?\\u20196?\\par"
                          "\\f1 Lake \\u35282?\\u27425?\\u36793?\\par"
                          "\\plain\\fs40 Road \\u30452?\\u20196?\\u38463?\\par}";

struct PrintUnderLocales : LumbraProcess {
    void SetUp() override {
        LumbraProcess::SetUp();
        const QDir book(QDir(books).filePath(QStringLiteral("Trip")));
        ASSERT_TRUE(QDir().mkpath(book.path()));
        QFile file(book.filePath(QStringLiteral("book.pbx")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("+Text[20,20,249,168,0]Image{}Text{" +
                   Codec::EncodeString(QString::fromLatin1(kText)).toLatin1() + "}bgImage()\r\n");
    }

    // The first printed page under the locale.
    QImage PrintedUnder(const QString& name) {
        locale = name;
        const QString out = home.filePath(name);
        const Outcome print = Run({"--print", "Trip", out});
        EXPECT_EQ(print.exitCode, ExitOk) << print.err.toStdString();
        const FiBitmap dib = FiLoad(FIF_JPEG, QDir(out).filePath(QStringLiteral("1.jpg")), 0);
        return FiToQImage(dib.get()).convertToFormat(QImage::Format_RGB32);
    }

    static int DarkPixels(const QImage& image) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    }
};

} // namespace

TEST_F(PrintUnderLocales, TheSamePageIsPrintedPixelForPixel) {
    const QImage english = PrintedUnder(QStringLiteral("en_US.UTF-8"));
    ASSERT_FALSE(english.isNull());
    EXPECT_GT(DarkPixels(english), 1000); // the text is there
    for (const char* other : {"zh_CN.UTF-8", "ja_JP.UTF-8", "zh_TW.UTF-8"}) {
        const QImage printed = PrintedUnder(QString::fromLatin1(other));
        ASSERT_EQ(printed.size(), english.size()) << other;
        EXPECT_TRUE(printed == english) << other;
    }
}
