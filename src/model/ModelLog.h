#pragma once

#include <QLoggingCategory>

// Messages of the model layer ("lumbra.model").
Q_DECLARE_LOGGING_CATEGORY(lcModel)
