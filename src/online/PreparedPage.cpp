#include "online/PreparedPage.h"

#include "base/LumbraError.h"
#include "imaging/JpegEncode.h"
#include "online/OnlineLog.h"
#include "online/UploadBody.h"
#include "render/PageRenderer.h"

#include <QCoreApplication>
#include <QCryptographicHash>

PreparedPage PreparePageBytes(int index, const QString& orderId, const QByteArray& jpeg) {
    PreparedPage prepared;
    prepared.index = index;
    // Base64 is ASCII: its bytes are what the service hashes.
    const QByteArray base64 = jpeg.toBase64();
    prepared.digest =
        QString::fromLatin1(QCryptographicHash::hash(base64, QCryptographicHash::Md5).toHex());
    prepared.body = UploadBody::Build(index + 1, orderId, base64);
    return prepared;
}

PreparedPage PreparePage(int index, const QString& orderId, const PageSnapshot& page,
                         const PageRenderer& renderer, QSize size) {
    Result<PreparedPage> prepared = ResultOf(
        [&] {
            QStringList problems;
            const QImage picture = renderer.Render(page, size, RenderMode::Print, &problems);
            for (const QString& name : problems)
                qCWarning(lcOnline) << "page" << index + 1 << "sent without photo" << name;
            return PreparePageBytes(index, orderId, EncodePageJpeg(picture));
        },
        QCoreApplication::translate("PreparedPage", "The page could not be made."));
    if (prepared)
        return std::move(prepared).Value();
    PreparedPage failed;
    failed.index = index;
    failed.failure = prepared.Error();
    return failed;
}
