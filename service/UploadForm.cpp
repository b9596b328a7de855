#include "UploadForm.h"

#include <QRegularExpression>

namespace {

QByteArray Boundary(const QByteArray& contentType) {
    const qsizetype at = contentType.indexOf("boundary=");
    if (!contentType.startsWith("multipart/form-data") || at < 0)
        return {};
    return contentType.mid(at + 9).trimmed();
}

} // namespace

std::optional<UploadForm> ParseUploadForm(const QByteArray& body, const QByteArray& contentType,
                                          QString* error) {
    auto fail = [error](const char* why) {
        *error = QString::fromLatin1(why);
        return std::nullopt;
    };
    const QByteArray boundary = Boundary(contentType);
    if (boundary.isEmpty())
        return fail("not a multipart form");
    const QByteArray separator = "--" + boundary;
    if (body.size() < 2 * separator.size() + 8 || !body.startsWith(separator + "\r\n") ||
        !body.endsWith(separator + "--\r\n"))
        return fail("the form is not framed by its boundary");
    static const QRegularExpression name(QStringLiteral("name= ?\"([^\"]*)\""));
    UploadForm form;
    bool havePage = false, haveId = false, haveFile = false;
    // The parts, without the first separator line and the closing one.
    const QByteArrayView inner =
        QByteArrayView(body).sliced(separator.size() + 2, body.size() - 2 * separator.size() - 8);
    const QByteArray between = "\r\n" + separator + "\r\n";
    qsizetype pos = 0;
    while (pos < inner.size()) {
        qsizetype end = inner.indexOf(between, pos);
        if (end < 0)
            end = inner.size();
        const QByteArrayView part = inner.sliced(pos, end - pos);
        pos = end + between.size();
        const qsizetype blank = part.indexOf("\r\n\r\n");
        if (blank < 0)
            return fail("a part without a blank line");
        const QString headers = QString::fromLatin1(part.first(blank));
        const QByteArrayView value = part.sliced(blank + 4);
        const auto match = name.match(headers);
        if (!match.hasMatch())
            return fail("a part without a name");
        const QString field = match.captured(1);
        if (field == QLatin1String("page")) {
            bool ok = false;
            form.page = value.toInt(&ok);
            havePage = ok && form.page > 0;
        } else if (field == QLatin1String("id")) {
            form.id = QString::fromUtf8(value);
            haveId = true;
        } else if (field == QLatin1String("file")) {
            form.base64 = value.toByteArray();
            haveFile = true;
        }
    }
    if (!havePage || !haveId || !haveFile)
        return fail("the form lacks its page, id or file");
    return form;
}
