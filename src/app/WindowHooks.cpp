#include "app/WindowHooks.h"

#include "app/StartUp.h"

MainWindowHooks MakeWindowHooks(StartUp& startUp) {
    MainWindowHooks hooks;
    (void)startUp;
    return hooks;
}
