#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The fields of one page upload, read from its multipart body.
struct UploadForm {
    int page = 0;
    QString id;
    QByteArray base64; // the text of the "file" field as received
};

// Reads the body: parts between "--" + boundary lines, each with its header
// lines, a blank line and its value. A field name may follow "name=" after a
// blank. None, with `error` set, for a body that is not such a form.
std::optional<UploadForm> ParseUploadForm(const QByteArray& body, const QByteArray& contentType,
                                          QString* error);
