#pragma once

#include <cstdint>

// (major * 100 + minor) * 100 in 16-bit signed arithmetic; throws LumbraError
// on overflow.
int16_t VersionNumberOf(int major, int minor);

// The program's own version number, sent with order and update requests.
int16_t VersionNumber();
