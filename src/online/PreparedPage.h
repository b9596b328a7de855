#pragma once

#include "base/Result.h"
#include "render/PageScene.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

class PageRenderer;

// One page ready to be sent: its form body and the digest the service must
// answer with, or the reason it could not be made.
struct PreparedPage {
    int index = -1; // 0-based
    QByteArray body;
    QString digest;                 // MD5 of the Base64 text, lowercase
    std::optional<Failure> failure; // rendering or encoding failed: no body
};

// The body and digest for already encoded JPEG bytes.
PreparedPage PreparePageBytes(int index, const QString& orderId, const QByteArray& jpeg);

// Any thread: renders the page at `size`, encodes it and builds its body.
// Never throws; a failure comes back in `failure`.
PreparedPage PreparePage(int index, const QString& orderId, const PageSnapshot& page,
                         const PageRenderer& renderer, QSize size);
