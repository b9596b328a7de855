#include "base/BackgroundWork.h"

#include "base/BaseLog.h"

namespace background_work {

void LogJobError(const char* what) {
    qCWarning(lcBase) << "background job failed, a default value is delivered:" << what;
}

void LogDeliveryError(const char* what) {
    qCWarning(lcBase) << "a background result could not be applied:" << what;
}

} // namespace background_work
