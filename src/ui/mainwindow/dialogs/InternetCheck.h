#pragma once

// The connected-state query the window's online commands run first; a
// failed check is answered with the text of "cNoInternet" and an OK button.
#include "online/InternetState.h"
