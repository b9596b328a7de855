#pragma once

#include <QLoggingCategory>

// Each layer logs through a category of its own ("lumbra.base", "lumbra.model",
// ...): what is caught and not shown to the user is written there.
Q_DECLARE_LOGGING_CATEGORY(lcBase)

// Logs the exception being handled as a warning of `category`, after
// `context` (what was being done). Call it only inside a catch block.
void LogCaughtException(const QLoggingCategory& category, const char* context);
