#pragma once

#include "ui/mainwindow/MainWindowHooks.h"

class StartUp;

// The main window's links to the windows of other parts (order wizard, order
// status, update check, background download), made once the process objects
// exist.
MainWindowHooks MakeWindowHooks(StartUp& startUp);
