#include "online/OnlineLog.h"

Q_LOGGING_CATEGORY(lcOnline, "lumbra.online")
