#pragma once

#include <QFuture>
#include <QString>

#include <memory>

class PhotoImage;
class QThreadPool;

// What became of one file imported on a worker thread.
struct ImportedFile {
    enum class Result { Imported, Unsupported, Failed };
    Result result = Result::Failed;
    // The new photo (Imported only), its files written; owned by nobody yet.
    std::shared_ptr<PhotoImage> photo;
    QString error; // Failed: why
};

// Imports path into bookFolder with a fresh PhotoImage (SetImage). Touches no
// shared model object, so it runs on any thread; never throws.
ImportedFile ImportPhotoFile(const QString& path, const QString& bookFolder);

// Runs ImportPhotoFile on the pool.
QFuture<ImportedFile> StartPhotoImport(QThreadPool* pool, const QString& path,
                                       const QString& bookFolder);
