#include "online/PreparedPage.h"

#include "base/Codec.h"
#include "base/LumbraError.h"
#include "base/Md5.h"
#include "online/OnlineLog.h"
#include "online/UploadBody.h"
#include "render/PageRenderer.h"

#include <FreeImage.h>
#include <memory>

namespace {

constexpr int kPageJpegFlags = 256; // JPEG_QUALITYGOOD

struct MemoryCloser {
    void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};

} // namespace

QByteArray EncodePageJpeg(FIBITMAP* picture) {
    std::unique_ptr<FIMEMORY, MemoryCloser> memory(FreeImage_OpenMemory());
    if (!picture || !memory ||
        !FreeImage_SaveToMemory(FIF_JPEG, picture, memory.get(), kPageJpegFlags))
        throw LumbraError(QStringLiteral("The page could not be encoded as JPEG"));
    BYTE* data = nullptr;
    DWORD size = 0;
    if (!FreeImage_AcquireMemory(memory.get(), &data, &size) || size == 0)
        throw LumbraError(QStringLiteral("The page could not be encoded as JPEG"));
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

PreparedPage PreparePageBytes(int index, const QString& orderId, const QByteArray& jpeg) {
    PreparedPage prepared;
    prepared.index = index;
    const QString base64 = Codec::EncodeBytes(jpeg);
    prepared.digest = Md5().Hash(base64);
    prepared.body = UploadBody::Build(index + 1, orderId, base64.toLatin1());
    return prepared;
}

PreparedPage PreparePage(int index, const QString& orderId, const PageSnapshot& page,
                         const PageRenderer& renderer, QSize size) {
    try {
        QStringList problems;
        const FiBitmap picture = renderer.RenderPageFreeImage(DetachedScene(page), size.width(),
                                                              size.height(), &problems);
        for (const QString& name : problems)
            qCWarning(lcOnline) << "page" << index + 1 << "sent without photo" << name;
        return PreparePageBytes(index, orderId, EncodePageJpeg(picture.get()));
    } catch (const LumbraError& e) {
        PreparedPage failed;
        failed.index = index;
        failed.error = e.Message();
        return failed;
    } catch (const std::exception& e) {
        PreparedPage failed;
        failed.index = index;
        failed.error = QString::fromUtf8(e.what());
        return failed;
    }
}
