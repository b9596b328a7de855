#pragma once

#include "app/CommandLine.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the program's arguments ask for: the window (optionally photographed
// for a screenshot), one of the headless commands, the help or the version.
struct ProgramArguments {
    enum class Mode { Window, Command, Upload, Help, Version };
    Mode mode = Mode::Window;
    QString screenshot;         // Window: write a screenshot of the screen here, then quit
    QString scene;              // Window with a screenshot: the scene to show first
    CommandLineRequest command; // Command
    QStringList upload;         // Upload: the arguments, read by the upload command
};

// Parses the whole argument list (program name first). Qt's own options
// (-platform NAME, -style NAME, -session ID, ...) are left to Qt. The
// failure, for arguments the program does not know or that do not fit
// together.
Result<ProgramArguments> ParseProgramArguments(const QStringList& arguments);

// The arguments without Qt's own options and their values.
QStringList WithoutQtOptions(const QStringList& arguments);

// Every mode and option, one line each, and the exit codes.
QString ProgramUsage();

// "Lumbra 1.0.412".
QString ProgramVersionLine();
