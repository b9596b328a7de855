// The service's answers as the program reads them: at most the answer limit
// (kServiceAnswerBytes), the upload's marker in its first 100 characters,
// the update check's address, the background site's identifier. A token
// that passes the check must be of the token rule and come back unchanged
// from the addresses it goes into; an announced address must be http(s);
// an identifier that passes must hold nothing hidden and no markup, and
// a shown text nothing hidden at all.
#include "base/HiddenCharacters.h"
#include "base/ShellOpen.h"
#include "online/AnswerMarker.h"
#include "online/BackgroundDownload.h"
#include "online/LimitedReply.h"
#include "online/ServiceAddress.h"
#include "online/UpdateCheck.h"

#include <QUrlQuery>

#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void ExpectQueryValue(const QUrl& url, const QString& key, const QString& value) {
    Check(QUrlQuery(url).queryItemValue(key, QUrl::FullyDecoded) == value);
}

bool FollowsTokenRule(const QString& token) {
    if (token.isEmpty() || token.size() > 64 || token.contains(QLatin1String("..")))
        return false;
    for (const QChar c : token)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
              c == u'-' || c == u'_' || c == u'.'))
            return false;
    return true;
}

void CheckToken(const QString& token) {
    Check(FollowsTokenRule(token));
    const ServiceAddress address(QStringLiteral("http://127.0.0.1:8642/pb/"));
    ExpectQueryValue(address.End(token, 3, token), QStringLiteral("id"), token);
    ExpectQueryValue(address.End(token, 3, token), QStringLiteral("cover"), token);
    ExpectQueryValue(address.Cancel(token), QStringLiteral("id"), token);
    ExpectQueryValue(address.Status(token), QStringLiteral("ids"), token);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    // What a reply hands the parsers: never more than the limit.
    const QByteArrayView answer = input.first(std::min<qsizetype>(size, kServiceAnswerBytes));
    const std::optional<QString> whole = ReadAnswerMarker(answer);
    const std::optional<QString> first = ReadAnswerMarker(answer, kUploadAnswerLimit);
    // Markers found in the first characters are the first markers of all.
    Check(!first || first == whole);
    if (whole && IsSafeServiceToken(*whole))
        CheckToken(*whole);
    const QString text = QString::fromUtf8(answer.data(), answer.size());
    Check(IsSafeServiceToken(text) == FollowsTokenRule(text));

    const UpdateAnswer update = ReadUpdateAnswer(answer);
    if (update.kind == UpdateAnswer::Kind::Newer) {
        const std::optional<QUrl> url = WebPageUrl(update.address);
        Check(url &&
              (url->scheme() == QLatin1String("http") || url->scheme() == QLatin1String("https")));
    }

    const QString id = text.trimmed();
    if (IsSafeBackgroundId(id))
        Check(!FirstHiddenCharacter(id) && !id.contains(u'<') && !id.contains(u'>') &&
              !id.contains(u'/') && !id.contains(QLatin1String("..")));
    Check(!FirstHiddenCharacter(WithHiddenShown(text)));
    return 0;
}
