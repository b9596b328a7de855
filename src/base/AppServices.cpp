#include "base/AppServices.h"

AppServices& Services() {
    static AppServices services;
    return services;
}
