#pragma once

// The benchmark photo (a 6000 x 4000 baseline JPEG, made once per run in a
// temporary folder) and timings of the libjpeg-turbo command-line tools on it.

#include <QString>
#include <QStringList>

// Path of the shared 6000 x 4000 photo, written on first use.
const QString& BenchPhotoPath();
// A fresh temporary folder living as long as the run.
QString BenchTempDir();
// Best wall time in ms of `program args` over several runs (output to
// /dev/null by the caller's args); negative when the program cannot run.
double BestToolMs(const QString& program, const QStringList& args, int runs = 5);
