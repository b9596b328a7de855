#pragma once

// PhotoImage: one picture of a book's photo pool (an imported photo or a
// background), its four files, its record and its position in a photo box.
//
//   Import       Off the UI thread: BeginImport + RunPhotoImport and
//                MeasurePhoto (on the pool) + EndImport. SetImage(path,
//                bookFolder) and SetBackgroundImage do it all at once, then
//                IsSupportedFormat(). A bad file gives false and leaves no
//                file; a file that cannot be written throws LumbraError.
//   Rebuild      CopyName(storedName); SetKey(bookFolder, key); SetRecord.
//   Identity     GetKey() (MD5 of the import path), GetName() (stamp + key).
//   Files        GetThumbFile(type) of the four files (ThumbType).
//                Delete() removes them, their ".dim" files and the record.
//   Record       Record(): the full size (upright, EXIF applied), orientation
//                and time, made once (PoolRecord.h); GetWidth/GetHeight.
//                Nothing here reads a picture file.
//   In a box     SetPage(weak page), SetPhotoBox(box, minima) -> ChangeResolution;
//                SetRatio / SetAngle / SetImageLocation(x, y); X(), Y(),
//                ratio(), Angle(), ImageTooSmall(); ResetPhoto() on leaving.
//                These recompute the bounds from the full-size picture's size
//                and throw LumbraError when that size cannot be read.
//   Record       Serialize() -> "name,X,Y,ratio,Angle" ("." decimal point);
//                Deserialize(record) reads the fields after the name.
//   Placement()  the files and the place in the box as plain values, for
//                rendering (which draws from those alone).
//
// Sizes, offsets and the window arithmetic are in PhotoImageWindow.h, the
// file making in PhotoImageFiles.h.

#include "imaging/PhotoImageFiles.h"
#include "imaging/Thumb.h"
#include "model/PhotoPlacement.h"
#include "model/PoolRecord.h"
#include "model/PrintSizeCheck.h"
#include "model/TemplateBox.h"

#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class Page;

class PhotoImage {
public:
    PhotoImage() = default;
    ~PhotoImage();
    PhotoImage(const PhotoImage&) = delete;
    PhotoImage& operator=(const PhotoImage&) = delete;

    // Ratio 1, angle 0, offsets 0.
    void ResetPhoto();

    void SetImage(const QString& aImage, const QString& aBookFolder);
    void SetBackgroundImage(const QString& fullName, const QString& aBookFolder);
    // The same in two steps, for file work off the UI thread: Begin* sets
    // key, name and paths and returns the job (run it with MakePhotoFiles or
    // RunPhotoImport, then MeasurePhoto); EndImport takes whether the files
    // were made and the record.
    PhotoImportJob BeginImport(const QString& aImage, const QString& aBookFolder);
    PhotoImportJob BeginBackgroundImport(const QString& fullName, const QString& aBookFolder);
    // The job for a photo the book has already: RunPhotoImport keeps its
    // files when they are whole and makes them anew (same name) otherwise.
    PhotoImportJob RepairJob(const QString& aImage, const QString& aBookFolder) const;
    // Drops the record of any earlier files for `record`.
    void EndImport(bool supported, const std::optional<PoolRecord>& record = {});
    bool IsSupportedFormat() const { return mIsSupportedFormat; }

    const QString& GetName() const { return mName; }
    // name := seconds-stamp followed by aKey.
    void SetName(const QString& aKey);
    void CopyName(const QString& aName) { mName = aName; }
    const QString& GetKey() const { return mKey; }
    // key := aKey; thumbnails at aBookFolder & name & "_sm" / "_md" / "_lg" / "_or".
    void SetKey(const QString& aBookFolder, const QString& aKey);

    // A photo a page names whose full-size file is gone: kept, so that no
    // page loses it, until the file is found again.
    bool FileMissing() const { return mFileMissing; }
    void SetFileMissing(bool missing) { mFileMissing = missing; }

    // None until the photo is measured (PoolRecord.h).
    const std::optional<PoolRecord>& Record() const { return mRecord; }
    void SetRecord(const std::optional<PoolRecord>& record) { mRecord = record; }
    // The stem of the photo's files: book folder & name.
    QString Stem() const;

    // Full-size picture, upright, from the record. Throw LumbraError without one.
    int GetWidth() const;
    int GetHeight() const;

    // The file to draw x x y pixels from.
    static ThumbType GetOptimalThumbType(int x, int y);
    static ThumbType GetBackgroundOptimalThumbType(int x, int y);

    QString GetThumbFile(ThumbType type) const;

    std::shared_ptr<Page> GetPage() const { return mPage.lock(); }
    void SetPage(const std::weak_ptr<Page>& aPage) { mPage = aPage; }

    // Deletes the record, then the files from the Original down to Small,
    // each ".dim" before ".jpg".
    void Delete();

    const std::shared_ptr<const TemplateBox>& PhotoBox() const { return mPhotoBox; }
    // The box and the least pixels per mm the photo needs in it (the
    // catalogue's minima), then ChangeResolution.
    void SetPhotoBox(std::shared_ptr<const TemplateBox> aBox, MinRatios minimum = {});

    // Clamps (x, y) to the bounds and stores it; true when X or Y changed.
    bool SetImageLocation(int x, int y);
    int16_t X() const { return mX; }
    int16_t Y() const { return mY; }

    // Recomputes the window, the bounds and ImageTooSmall, then re-clamps;
    // nothing before the photo has its record.
    void ChangeResolution();
    bool ImageTooSmall() const { return mImageTooSmall; }
    // Whether the photo gives its box enough pixels for print, and why; none
    // without a box. Throws LumbraError when the photo's size cannot be read.
    std::optional<PrintSizeCheck> PrintCheck() const;

    int Angle() const { return mAngle; }
    void SetAngle(int a);
    float ratio() const { return mRatio; }
    // Zoom in (0, 1]; other values (and NaN) are brought into that range.
    void SetRatio(float r);
    // Offsets, zoom and angle at once, clamped once for all of them (a stored
    // offset of a turned photo is only valid under the turned bounds).
    void SetPlacement(int x, int y, float r, int a);

    // What rendering needs of the photo: files, full size (empty without a
    // record), box shape and placement.
    PhotoPlacement Placement() const;

    QString Serialize() const;
    // Reads X, Y, ratio and Angle from the fields after the first ",".
    // Throws LumbraError with fewer than four fields or a field that is not a number.
    void Deserialize(const QString& aLine);

private:
    const Thumb& GetThumb(ThumbType type) const { return mThumbs[ThumbIndex(type)]; }
    // At once, on this thread; a photo's record is stored, a background's not.
    void MakeFilesNow(const PhotoImportJob& job, bool storeRecord);
    PhotoImportJob Job(const QString& source, const QString& aBookFolder, const ThumbBoxes& boxes);
    bool HasBox() const;

    QString mKey;
    QString mName;
    std::array<Thumb, kThumbTypes.size()> mThumbs; // by ThumbIndex
    std::optional<PoolRecord> mRecord;
    std::weak_ptr<Page> mPage;
    std::shared_ptr<const TemplateBox> mPhotoBox;
    MinRatios mMinRatios;
    int16_t mX = 0;
    int16_t mY = 0;
    float mRatio = 1.0f;
    int mAngle = 0;
    int mLowX = 0, mHighX = 0, mLowY = 0, mHighY = 0;
    bool mImageTooSmall = false;
    bool mIsSupportedFormat = false;
    bool mFileMissing = false;
};
