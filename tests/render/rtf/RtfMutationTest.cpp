#include "render/rtf/RtfReader.h"
#include "render/rtf/RtfWriter.h"

#include "RtfTestSupport.h"

#include <QTextDocument>
#include <gtest/gtest.h>

#include <random>

namespace {

const QString cSamples[] = {
    QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                   "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n{\\colortbl ;\\red255\\green0"
                   "\\blue0;}\r\n{\\*\\generator Msftedit 5.41;}\\viewkind4\\uc1\\pard\\b\\f0\\fs22"
                   " Bold\\b0  and \\i it\\i0\\par\r\n\\pard\\qc\\cf1\\f1\\fs32 Red\\cf0\\tab x"
                   "\\line y\\par\r\n}\r\n"),
    QStringLiteral("{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce"
                   "\\'cc\\'e5;}{\\f1\\fnil\\fcharset136 \\'b7s\\'b2\\'d3;}}\\uc2\\pard\\f0\\fs18"
                   "\\'d6\\'d0\\u20013\\'d6\\'d0{\\f1\\'a4\\'a4\\'c1c}\\par}"),
    QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu Sans;}}\r\n\\uc1"
                   "\\pard\\qr\\f0\\fs24\\ul x\\'3e\\'7e\\u-25900?\\\\\\{\\}{\\*\\x {a}}"
                   "{\\pict\\bin3 }{\\}\\ulnone\\par}"),
};

const char* const cTokens[] = {
    "{",         "}",          "\\",          "\\'",     "\\'d6",    "\\'8",  "\\u-",
    "\\u",       "\\uc9",      "\\uc0",       "\\bin9 ", "\\*",      "\\par", "\\pard",
    "\\fs",      "\\fs0",      "99999999999", "-",       ";",        "\\f1",  "\\f-3",
    "\\fonttbl", "\\colortbl", "\\red300",    "\r\n",    " ",        "\\cf7", "\\ansicpg950",
    "\\plain",   "\\line",     "\\tab",       "\\qc",    "\\u65535", "\\'00", "\\'0d",
    "\\u8233?",  "\\u0 ",      "\\\\",
};

QString Mutate(QString text, std::mt19937& random) {
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const int steps = 1 + pick(6);
    for (int step = 0; step < steps; ++step) {
        const int at = pick(static_cast<int>(text.size()) + 1);
        const int length = pick(12);
        switch (pick(5)) {
        case 0: text.insert(at, QLatin1StringView(cTokens[pick(std::size(cTokens))])); break;
        case 1: text.insert(at, QChar(static_cast<char16_t>(pick(0x3000)))); break;
        case 2: text.remove(at, length); break;
        case 3: text.insert(at, text.mid(pick(static_cast<int>(text.size()) + 1), length)); break;
        default: text.truncate(at + length); break;
        }
    }
    return text;
}

// Whatever the reader makes of damaged input, the writer stores it so that
// it reads back the same, in ASCII whose Base64 form holds no "+".
TEST(RtfMutationTest, DamagedInputReadsAndRoundTrips) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        const QString input = Mutate(cSamples[round % std::size(cSamples)], random);
        const auto read = RtfReader().Read(input);
        const QString rtf = RtfWriter::Write(*read);
        const QByteArray latin = rtf.toLatin1();
        ASSERT_EQ(QString::fromLatin1(latin), rtf) << input.toStdString();
        ASSERT_FALSE(latin.toBase64().contains('+')) << input.toStdString();
        const auto again = RtfReader().Read(rtf);
        ASSERT_EQ(TextOf(*again), TextOf(*read)) << input.toStdString();
        ASSERT_TRUE(LookOf(*again) == LookOf(*read)) << input.toStdString();
    }
}

} // namespace
