#include "render/rtf/RtfFontSizes.h"

#include "base/Rounding.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int64_t kMaxValue = 1'000'000'000; // far beyond any font size

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// True when the backslash at `index` is itself escaped by an odd run of
// backslashes before it.
bool IsEscaped(QStringView text, qsizetype index) {
    qsizetype run = 0;
    while (index - run - 1 >= 0 && text[index - run - 1] == u'\\')
        ++run;
    return run % 2 == 1;
}

} // namespace

QString ScaleRtfFontSizes(QStringView rtf, double factor) {
    QString result;
    result.reserve(rtf.size() + 16);
    qsizetype pos = 0;
    for (;;) {
        const qsizetype word = rtf.indexOf(u"\\fs", pos);
        if (word < 0)
            break;
        qsizetype end = word + 3;
        if (IsEscaped(rtf, word) || end >= rtf.size() || !IsDigit(rtf[end])) {
            result += rtf.sliced(pos, end - pos);
            pos = end;
            continue;
        }
        int64_t value = 0;
        for (; end < rtf.size() && IsDigit(rtf[end]); ++end)
            value = std::min(kMaxValue, value * 10 + (rtf[end].unicode() - u'0'));
        result += rtf.sliced(pos, word - pos);
        result += u"\\fs";
        result += QString::number(RoundHalfEven(factor * static_cast<double>(value)));
        pos = end;
    }
    result += rtf.sliced(pos);
    return result;
}
