#pragma once

// The benchmark photo (a 6000 x 4000 baseline JPEG, made once per run in a
// temporary folder) and timings of the libjpeg-turbo command-line tools on it.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Path of the shared 6000 x 4000 photo, written on first use.
const QString& BenchPhotoPath();
// A fresh temporary folder living as long as the run.
QString BenchTempDir();
// Wall time in ms of one run of `program args` (standard output dropped);
// negative when it cannot run or does not end with exit code 0.
double ToolMs(const QString& program, const QStringList& args,
              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
// The best of several runs.
double BestToolMs(const QString& program, const QStringList& args, int runs = 5);
