#pragma once

#include <QNetworkInformation>
#include <QString>

// The connected-state query run before the commands that need the order
// service.

// What a platform answer means: only "online" is a connection the service
// can be reached over; "unknown" counts too, as the platform cannot tell.
bool ReachabilityCountsAsOnline(QNetworkInformation::Reachability reachability);

// True for a service on this machine (loopback address or "localhost"):
// reaching it needs no network.
bool IsLocalService(const QString& serviceUrl);

// True when the service can be expected to answer: a local service always,
// otherwise the platform's reachability (a backend is loaded on first use;
// without one the state is unknown, which counts as connected).
bool IsInternetConnected(const QString& serviceUrl);
