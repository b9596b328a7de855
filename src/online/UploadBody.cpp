#include "online/UploadBody.h"

namespace UploadBody {

QByteArray ContentType() { return QByteArray("multipart/form-data; boundary=") + kBoundary; }

QByteArray Build(int pageNumber, const QString& orderId, const QByteArray& base64) {
    const QByteArray separator = QByteArray("--") + kBoundary;
    const QByteArray lines[] = {
        separator,
        "Content-Disposition: form-data; name= \"page\"",
        "",
        QByteArray::number(pageNumber),
        separator,
        "Content-Disposition: form-data; name= \"id\"",
        "",
        orderId.toUtf8(),
        separator,
        "Content-Disposition: form-data; name=\"file\"; filename=\"page.jpg\"",
        "Content-Type: image/jpeg",
        "Content-Transfer-Encoding: BASE64",
        "",
        base64,
        separator + "--",
    };
    QByteArray body;
    body.reserve(base64.size() + 400);
    for (const QByteArray& line : lines) {
        body += line;
        body += "\r\n";
    }
    return body;
}

} // namespace UploadBody
