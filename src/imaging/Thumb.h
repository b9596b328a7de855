#pragma once

#include <QString>

// One picture file of a photo: path & ".jpg", with its pixel size cached in
// the side file path & ".dim" ("width,height" and CRLF).
class Thumb {
public:
    Thumb() = default;
    explicit Thumb(const QString& path) : mPath(path) {}

    // The path without extension.
    void SetPath(const QString& path);
    const QString& path() const { return mPath; }
    QString FilePath() const { return mPath + QLatin1String(".jpg"); }

    // Pixel size of the upright picture. Read from the ".dim" file, or from
    // the JPEG header (then written to ".dim") when that is missing or bad.
    // Throws LumbraError when neither gives a size.
    int width() const;
    int height() const;

    // Drops the cached size so that the next read goes to the files.
    void ForgetSize() {
        mWidth = -1;
        mHeight = -1;
    }

    // Deletes the ".dim" file, then the ".jpg"; failures are ignored.
    void Delete() const;

    // Writes "width,height" CRLF to a ".dim" file. Throws LumbraError.
    static void WriteDimFile(const QString& dimPath, int width, int height);

private:
    QString DimFilePath() const { return mPath + QLatin1String(".dim"); }
    void ReadSize() const;
    bool ReadDimFile() const;

    QString mPath;
    mutable int mWidth = -1;
    mutable int mHeight = -1;
};
