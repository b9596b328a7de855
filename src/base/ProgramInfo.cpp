#include "base/ProgramInfo.h"

#include "BuildConfig.h"
#include "ProgramRevision.h"
#include "base/LumbraError.h"

#include <limits>

namespace {

int16_t Checked16(long value) {
    if (value > std::numeric_limits<int16_t>::max() || value < std::numeric_limits<int16_t>::min())
        throw LumbraError(QStringLiteral("Overflow"));
    return static_cast<int16_t>(value);
}

} // namespace

int16_t VersionNumberOf(int major, int minor) {
    const int16_t hundreds = Checked16(long{Checked16(major)} * 100);
    const int16_t withMinor = Checked16(long{hundreds} + Checked16(minor));
    return Checked16(long{withMinor} * 100);
}

int16_t VersionNumber() {
    return VersionNumberOf(BuildConfig::VersionMajor, BuildConfig::VersionMinor);
}

int ProgramRevision() { return kProgramRevision; }

QString ProgramVersionText() {
    return QStringLiteral("%1.%2.%3")
        .arg(BuildConfig::VersionMajor)
        .arg(BuildConfig::VersionMinor)
        .arg(ProgramRevision());
}
