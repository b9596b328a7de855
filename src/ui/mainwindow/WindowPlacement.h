#pragma once

#include <QString>
#include <memory>

class QSettings;

// The main window's position and size in twips, kept in the per-user
// settings store (group "Settings").
struct WindowPlacement {
    float left = 1000;
    float top = 1000;
    float width = 6500;
    float height = 6500;
};

// The store of the program: organisation and application "Lumbra".
std::unique_ptr<QSettings> OpenPlacementSettings();

// Whether a placement was ever stored (false at the first start).
bool HasStoredPlacement(QSettings& settings);

// Stored values, each falling back to its default when missing or not a number.
WindowPlacement ReadWindowPlacement(QSettings& settings);

// Writes the four values, unless the window is minimised: then the stored
// placement stays as it was.
void WriteWindowPlacement(QSettings& settings, const WindowPlacement& placement, bool minimised);
