#pragma once

// Photos for the model's fuzz targets: keys 1 .. kFuzzPhotoCount (32 hex
// digits, "00...01"), named "P" & key, whose full-size files in a folder
// give them a size. The seeds name these keys.

#include "base/fuzz/FuzzFiles.h"
#include "imaging/Thumb.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QDir>

#include <memory>

inline constexpr int kFuzzPhotoCount = 3;

inline QString FuzzPhotoKey(int n) { return QStringLiteral("%1").arg(n, 32, 16, QLatin1Char('0')); }

// Writes "P<key>_or.dim" and an empty "P<key>_or.jpg" for every photo into
// the folder (ending in "/").
inline void WriteFuzzPhotoFiles(const QString& folder) {
    for (int n = 1; n <= kFuzzPhotoCount; ++n) {
        const QString stem = folder + QLatin1Char('P') + FuzzPhotoKey(n) + QLatin1String("_or");
        Thumb::WriteDimFile(stem + QLatin1String(".dim"), 1000 * n, 750 * n);
        WriteFuzzBytes(stem + QLatin1String(".jpg"), nullptr, 0);
    }
}

// A fresh pool of the photos, their files in the fuzz folder.
inline PhotoImageList FuzzPhotoPool() {
    static const QString folder = [] {
        const QString path = FuzzFolder().filePath(QStringLiteral("photos")) + QLatin1Char('/');
        QDir().mkpath(path);
        WriteFuzzPhotoFiles(path);
        return path;
    }();
    PhotoImageList pool;
    for (int n = 1; n <= kFuzzPhotoCount; ++n) {
        auto photo = std::make_shared<PhotoImage>();
        photo->CopyName(QLatin1Char('P') + FuzzPhotoKey(n));
        photo->SetKey(folder, FuzzPhotoKey(n));
        pool.Add(std::move(photo));
    }
    return pool;
}
