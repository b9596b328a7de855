// The service's answers: the marker as the upload and the order steps read
// it, and a token that passes the check placed into the addresses it goes
// into, where it must come back unchanged.
#include "online/AnswerMarker.h"
#include "online/ServiceAddress.h"

#include <QUrlQuery>

#include <cstdlib>

namespace {

void ExpectQueryValue(const QUrl& url, const QString& key, const QString& value) {
    if (QUrlQuery(url).queryItemValue(key, QUrl::FullyDecoded) != value)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView answer(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QString> whole = ReadAnswerMarker(answer);
    const std::optional<QString> first = ReadAnswerMarker(answer, kUploadAnswerLimit);
    // Markers found in the first characters are the first markers of all.
    if (first && first != whole)
        std::abort();
    if (!whole || !IsSafeServiceToken(*whole))
        return 0;
    const ServiceAddress address(QStringLiteral("http://127.0.0.1:8642/pb/"));
    const QString& token = *whole;
    ExpectQueryValue(address.End(token, 3, token), QStringLiteral("id"), token);
    ExpectQueryValue(address.End(token, 3, token), QStringLiteral("cover"), token);
    ExpectQueryValue(address.Cancel(token), QStringLiteral("id"), token);
    ExpectQueryValue(address.Status(token), QStringLiteral("ids"), token);
    return 0;
}
