#include "images/ImportWorker.h"

#include "images/PhotoImage.h"
#include "shell/LumbraError.h"

#include <QtConcurrent/QtConcurrentRun>

ImportedFile ImportPhotoFile(const QString& path, const QString& bookFolder) {
    ImportedFile done;
    try {
        auto photo = std::make_shared<PhotoImage>();
        photo->SetImage(path, bookFolder);
        if (photo->IsSupportFormat()) {
            done.result = ImportedFile::Result::Imported;
            done.photo = std::move(photo);
        } else {
            done.result = ImportedFile::Result::Unsupported;
        }
    } catch (const LumbraError& e) {
        done.error = e.Message();
    } catch (const std::exception& e) {
        done.error = QString::fromLocal8Bit(e.what());
    }
    return done;
}

QFuture<ImportedFile> StartPhotoImport(QThreadPool* pool, const QString& path, const QString& bookFolder) {
    return QtConcurrent::run(pool, &ImportPhotoFile, path, bookFolder);
}
