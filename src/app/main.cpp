#include "app/Application.h"

int main(int argc, char** argv) { return RunLumbra(argc, argv); }
