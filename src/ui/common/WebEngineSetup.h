#pragma once

// Settings the embedded web view needs before the application object exists.
// Chromium will not start its sandbox for the root user: under root (a
// container, CI) the sandbox is switched off unless the environment already
// decides.
void PrepareWebEngine();
