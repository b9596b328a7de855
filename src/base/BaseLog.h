#pragma once

#include <QLoggingCategory>

struct Failure;

// Each layer logs through a category of its own ("lumbra.base", "lumbra.model",
// ...): what is caught and not shown to the user is written there.
Q_DECLARE_LOGGING_CATEGORY(lcBase)

// Logs the exception being handled as a warning of `category`, after
// `context` (what was being done). Call it only inside a catch block.
void LogCaughtException(const QLoggingCategory& category, const char* context);

// Logs a failure's detail as a warning of `category`, after `step` (what was
// being done); its message is for the user to see.
void LogFailure(const QLoggingCategory& category, const QString& step, const Failure& failure);
