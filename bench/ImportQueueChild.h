#pragma once

#include <QString>

// The child-process side of the import queue benchmark: imports the given
// photos with a queue of `threads` workers and prints one line
// "ms=<wall> hwm_kb=<VmHWM> order=<1|0>".
int RunImportQueueChild(int threads, const QString& sourceFolder, int count);

inline constexpr const char* kImportChildFlag = "--import-queue-child";
