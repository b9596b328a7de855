#include "imaging/PhotoImportWorker.h"

#include "base/LumbraError.h"

void PhotoImportWorker::run() {
    bool supported = false;
    QString error;
    try {
        supported = MakePhotoFiles(mJob);
    } catch (const LumbraError& e) {
        error = e.Message();
    } catch (const std::exception& e) {
        error = QString::fromLocal8Bit(e.what());
    }
    emit Finished(mJob.source, supported, error);
}
