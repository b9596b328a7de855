#include "base/BackgroundWork.h"

#include "base/BaseLog.h"

namespace background_work {

void LogJobError() {
    LogCaughtException(lcBase(), "A background job failed, a default value is delivered");
}

void LogDeliveryError() {
    LogCaughtException(lcBase(), "A background result could not be applied");
}

} // namespace background_work
