#include "imaging/PhotoImageDecode.h"

#include "imaging/FreeImageBridge.h"

DecodedJpeg LoadJpegCovering(const QString& path, double factor, int flags) {
    return LoadJpegCovering(
        path, [factor](const JpegHeader&) { return factor; }, flags);
}

DecodedJpeg LoadJpegCovering(const QString& path,
                             const std::function<double(const JpegHeader&)>& factorOf, int) {
    const DecodedPhoto decoded = DecodeJpeg(path, [&factorOf](const JpegHeader& header) {
        return JpegDecodeRequest{factorOf(header), {}};
    });
    DecodedJpeg result;
    result.header = decoded.header;
    if (!decoded.picture.isNull())
        result.picture = FiFromQImage(decoded.picture);
    return result;
}
