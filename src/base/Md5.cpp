#include "base/Md5.h"

#include "base/LumbraError.h"

#include <QCryptographicHash>
#include <array>
#include <bit>
#include <cmath>

namespace {

constexpr std::array<int, 16> Shifts = {7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21};

// The 64 constants: the integer part of |sin(i + 1)| * 2^32.
const std::array<uint32_t, 64>& SineTable() {
    static const std::array<uint32_t, 64> table = [] {
        std::array<uint32_t, 64> t{};
        for (int i = 0; i < 64; ++i)
            t[i] = static_cast<uint32_t>(std::floor(std::fabs(std::sin(i + 1.0)) * 4294967296.0));
        return t;
    }();
    return table;
}

void Compress(std::array<uint32_t, 4>& state, const uint32_t* block) {
    const auto& k = SineTable();
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        const int round = i / 16;
        uint32_t f;
        int g;
        switch (round) {
        case 0: f = (b & c) | (~b & d); g = i; break;
        case 1: f = (d & b) | (~d & c); g = (5 * i + 1) % 16; break;
        case 2: f = b ^ c ^ d; g = (3 * i + 5) % 16; break;
        default: f = c ^ (b | ~d); g = (7 * i) % 16; break;
        }
        const uint32_t sum = a + f + k[i] + block[g];
        a = d;
        d = c;
        c = b;
        b += std::rotl(sum, Shifts[round * 4 + i % 4]);
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

// Each chaining word as 8 digits, least significant byte first.
QString StateHex(const std::array<uint32_t, 4>& state) {
    QByteArray bytes;
    for (uint32_t word : state)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(static_cast<char>((word >> shift) & 0xFF));
    return QString::fromLatin1(bytes.toHex());
}

} // namespace

QString Md5::Hash(const QString& text) const {
    QByteArray message;
    message.reserve(text.size());
    for (QChar c : text)
        message.append(static_cast<char>(c.unicode() & 0xFF));
    return QString::fromLatin1(QCryptographicHash::hash(message, QCryptographicHash::Md5).toHex());
}

QString Md5::HashPaddedWords(const std::vector<uint32_t>& words) const {
    if (words.empty() || words.size() % 16 != 0)
        throw LumbraError(QStringLiteral("MD5 input of %1 words is not a whole number of blocks")
                              .arg(words.size()));
    std::array<uint32_t, 4> state = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
    for (size_t at = 0; at < words.size(); at += 16)
        Compress(state, words.data() + at);
    return StateHex(state);
}
