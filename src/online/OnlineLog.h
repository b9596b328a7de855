#pragma once

#include "base/BaseLog.h"

Q_DECLARE_LOGGING_CATEGORY(lcOnline)
