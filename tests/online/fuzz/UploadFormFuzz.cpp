// The page form: any body through the service's reader, and a form the
// program writes read back field for field.
#include "UploadForm.h"
#include "online/ServiceAddress.h"
#include "online/UploadBody.h"

#include <cstdlib>

namespace {

// The input as Base64 text: every byte mapped onto the alphabet.
QByteArray AsBase64Text(QByteArrayView bytes) {
    static const char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=";
    QByteArray text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = alphabet[uint8_t(bytes[i]) % 65];
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    (void)ParseUploadForm(input, UploadBody::ContentType(), &error);
    (void)ParseUploadForm(input, QByteArrayLiteral("multipart/form-data; boundary=x"), &error);

    if (size < 3)
        return 0;
    const int page = 1 + (data[0] | data[1] << 8);
    const qsizetype idLength = std::min<qsizetype>(data[2] % 24, input.size() - 3);
    const QString id = QString::fromLatin1(input.mid(3, idLength));
    if (!IsSafeServiceToken(id))
        return 0;
    const QByteArray base64 = AsBase64Text(QByteArrayView(input).sliced(3 + idLength));
    const std::optional<UploadForm> form =
        ParseUploadForm(UploadBody::Build(page, id, base64), UploadBody::ContentType(), &error);
    if (!form || form->page != page || form->id != id || form->base64 != base64)
        std::abort();
    return 0;
}
