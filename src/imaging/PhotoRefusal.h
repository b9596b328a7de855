#pragma once

#include <QSize>
#include <QString>

// Why a file was not taken as a photo, for the user.
struct PhotoRefusal {
    enum class Reason { None, Unreadable, Unsupported, TooLarge, TooSmall, Damaged };
    Reason reason = Reason::None;
    QString detail; // the other format's name, or the size that was refused
};

// Looks at a file the import refused and says why, in the order a user
// would fix it: cannot be read, not a format we take (JPEG, HEIF, PNG, TIFF,
// WebP), a size we refuse, else damaged or cut off.
PhotoRefusal WhyPhotoRefused(const QString& path);

// The reason in plain words; `notSupported` is the language file's text for
// a picture format that is not supported.
QString PhotoRefusalText(const PhotoRefusal& refusal, const QString& notSupported);
