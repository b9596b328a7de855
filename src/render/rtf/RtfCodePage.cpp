#include "render/rtf/RtfCodePage.h"

#include <QStringDecoder>

#include <initializer_list>

namespace {

struct CodePageName {
    int codePage;
    const char* name;
};

constexpr CodePageName cCodePageNames[] = {
    {437, "IBM437"},        {850, "IBM850"},        {874, "windows-874"},   {932, "Shift_JIS"},
    {936, "GBK"},           {949, "windows-949"},   {950, "windows-950"},   {1250, "windows-1250"},
    {1251, "windows-1251"}, {1252, "windows-1252"}, {1253, "windows-1253"}, {1254, "windows-1254"},
    {1255, "windows-1255"}, {1256, "windows-1256"}, {1257, "windows-1257"}, {1258, "windows-1258"},
    {10000, "macintosh"},   {65001, "UTF-8"},
};

const char* NameOf(int codePage) {
    for (const auto& entry : cCodePageNames) {
        if (entry.codePage == codePage)
            return entry.name;
    }
    return nullptr;
}

QStringDecoder DecoderFor(int codePage) {
    // 950 has two names depending on the converter library; try both.
    const char* name = NameOf(codePage);
    for (const char* candidate : {name, codePage == 950 ? "Big5" : nullptr, "windows-1252"}) {
        if (!candidate)
            continue;
        QStringDecoder decoder(candidate, QStringConverter::Flag::Stateless);
        if (decoder.isValid())
            return decoder;
    }
    return QStringDecoder(QStringConverter::Latin1);
}

} // namespace

int CodePageForCharset(int charset) {
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return 0;
    }
}

QString DecodeCodePage(QByteArrayView bytes, int codePage) {
    if (bytes.isEmpty())
        return {};
    QStringDecoder decoder = DecoderFor(codePage);
    return decoder.decode(bytes);
}

bool IsLeadByte(unsigned char byte, int codePage) {
    switch (codePage) {
    case 932: return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950: return byte >= 0x81 && byte <= 0xFE;
    default: return false;
    }
}
