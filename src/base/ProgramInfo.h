#pragma once

#include <QString>
#include <cstdint>

// (major * 100 + minor) * 100 in 16-bit signed arithmetic; throws LumbraError
// on overflow.
int16_t VersionNumberOf(int major, int minor);

// The program's own version number, sent with order and update requests.
int16_t VersionNumber();

// The build's revision: the count of commits of the source, read at build
// time; 0 when built outside git.
int ProgramRevision();

// "major.minor.revision", for example "1.0.412".
QString ProgramVersionText();
