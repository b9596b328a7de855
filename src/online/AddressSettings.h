#pragma once

#include <QString>

// The two addresses a user may change (Edit > Preferences): the order
// service and the background site. Each is, first to last: the environment
// variable (LUMBRA_SERVICE_URL, LUMBRA_BACKGROUND_URL; for tests and
// scripts), the address kept in the settings, the build's address.
enum class SiteAddress { Service, Backgrounds };

// The answer to an address being typed: the base (ending with "/") when it
// is usable, else what is wrong with it in the user's words.
struct AddressCheck {
    QString base;
    QString problem;
    bool Ok() const { return problem.isEmpty(); }
};

// An http or https address with a host and no user name or password. A
// server alone ("http://host:port") gets the site's usual path, that of the
// build's address ("pb/", "bg/").
AddressCheck CheckSiteAddress(SiteAddress site, const QString& typed);

QString BuiltInAddress(SiteAddress site);
// The environment variable's address (a server alone with the usual path);
// empty when it is not set.
QString AddressFromEnvironment(SiteAddress site);
// The kept address; empty when none is kept or it no longer passes the check.
QString StoredAddress(SiteAddress site);
// Keeps a checked address; an empty one or the build's forgets the kept one.
void StoreAddress(SiteAddress site, const QString& base);
// The address in use now, ending with "/".
QString CurrentAddress(SiteAddress site);
