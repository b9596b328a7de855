#pragma once

#include "imaging/PhotoImageFiles.h"

#include <QObject>
#include <QRunnable>

// Makes the files of one import on a QThreadPool thread and reports back
// with plain values; the receiver then calls PhotoImage::EndImport on its
// own thread. Deleted by the pool after it ran.
class PhotoImportWorker : public QObject, public QRunnable {
    Q_OBJECT
public:
    explicit PhotoImportWorker(PhotoImportJob job) : mJob(std::move(job)) {}
    void run() override;

signals:
    // supported: the files were made. error: why they could not be written
    // (empty when none); no file of the import is left in that case.
    void Finished(const QString& source, bool supported, const QString& error);

private:
    PhotoImportJob mJob;
};
