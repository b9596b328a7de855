#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// The most any answer of the order service is read to: the upload's marker
// is in its first 100 characters, "end.php" and "cancel.php" are not read,
// the update check's address is short.
inline constexpr qint64 kServiceAnswerBytes = 64 * 1024;

// What one request to the order service or the background site may take.
// Past either limit the request is aborted and its reply reads as failed.
struct ReplyLimits {
    qint64 maxBytes = 64 * 1024; // the answer's size, checked while it arrives
    int deadlineMs = 120000;     // the whole request, however slowly it trickles
    int idleMs = 60000;          // no byte for this long (the transfer timeout)
};

// How a request treats an answer that sends it elsewhere.
enum class Redirects {
    Refused,    // a 3xx answer is a failed answer
    SameOrigin, // followed only to http(s) of the same scheme, host and port
};

// Sends a GET (no body) or a POST with the limits and the redirect rule. The
// size is checked on every arrival (the declared length too), and a timer
// ends the request at its deadline; the reply still finishes once, so the
// caller reads its end in finished() through ReplyFailure.
QNetworkReply* SendLimited(QNetworkAccessManager& network, const QUrl& url,
                           const ReplyLimits& limits, Redirects redirects,
                           const std::optional<QByteArray>& postBody = std::nullopt,
                           const QByteArray& contentType = {});

// After finished(): why the request failed (too large, past its deadline,
// redirected, a transfer error, a status other than 2xx), or none when its
// answer can be read.
std::optional<QString> ReplyFailure(const QNetworkReply& reply);

// True when the reply was stopped by its limits or by a redirect, not by
// the caller's abort() or the network.
bool StoppedByLimits(const QNetworkReply& reply);

// The answer of a reply that did not fail: at most the limit's bytes.
QByteArray ReplyBody(QNetworkReply& reply);

// True when `target` is an http(s) address of the same scheme, host and
// port as `origin`.
bool IsSameOrigin(const QUrl& origin, const QUrl& target);
