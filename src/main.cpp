#include "shell/ui/Application.h"

int main(int argc, char** argv) {
    return RunLumbra(argc, argv);
}
