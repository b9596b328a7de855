#pragma once

#include <QLoggingCategory>

// Messages of the base layer ("lumbra.base").
Q_DECLARE_LOGGING_CATEGORY(lcBase)
