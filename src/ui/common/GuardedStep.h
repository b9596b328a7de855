#pragma once

#include "ui/UiLog.h"

#include <exception>
#include <utility>

// Runs one step of an event handler; an error (a missing file, a failed
// save) ends that step only and never reaches the event loop; it is logged
// under the step's name ("Saving the book after a text edit"). Returns false
// when the step failed.
template <typename Step> bool RunGuarded(const char* stepName, Step&& step) {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const std::exception&) {
        LogCaughtException(lcUi(), stepName);
        return false;
    }
}
