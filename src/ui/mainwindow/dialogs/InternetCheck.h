#pragma once

#include <QString>

// The connected-state query used before commands that need the order
// service: true unless the platform reports no connection. A loopback
// service address always counts as connected.
bool IsInternetConnected(const QString& serviceUrl);
