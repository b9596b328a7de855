#pragma once

#include <QByteArray>
#include <QString>

// The multipart form one page is sent in: the page number, the order id and
// the page's JPEG as Base64 text, fifteen lines each ended by CR LF.
namespace UploadBody {

// 27 hyphens and the digits.
inline constexpr char kBoundary[] = "---------------------------29772313742745";

// "multipart/form-data; boundary=" + kBoundary.
QByteArray ContentType();

// pageNumber is 1-based; the id goes in as given.
QByteArray Build(int pageNumber, const QString& orderId, const QByteArray& base64);

} // namespace UploadBody
