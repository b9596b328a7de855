#pragma once

// Starts the program: command-line mode or the windowed start-up.
int RunLumbra(int argc, char** argv);
