#include "ui/mainwindow/WindowPlacement.h"

#include <QSettings>
#include <cmath>

namespace {

const QString kGroup = QStringLiteral("Settings");

struct Field {
    const char* key;
    float WindowPlacement::*member;
};

constexpr Field kFields[] = {{"MainLeft", &WindowPlacement::left},
                             {"MainTop", &WindowPlacement::top},
                             {"MainWidth", &WindowPlacement::width},
                             {"MainHeight", &WindowPlacement::height}};

} // namespace

std::unique_ptr<QSettings> OpenPlacementSettings() {
    return std::make_unique<QSettings>(QStringLiteral("Lumbra"), QStringLiteral("Lumbra"));
}

bool HasStoredPlacement(QSettings& settings) {
    return settings.contains(kGroup + QStringLiteral("/MainWidth"));
}

WindowPlacement ReadWindowPlacement(QSettings& settings) {
    WindowPlacement placement;
    settings.beginGroup(kGroup);
    for (const Field& f : kFields) {
        bool ok = false;
        const float value = settings.value(QLatin1String(f.key)).toString().toFloat(&ok);
        if (ok && std::isfinite(value))
            placement.*f.member = value;
    }
    settings.endGroup();
    return placement;
}

void WriteWindowPlacement(QSettings& settings, const WindowPlacement& placement, bool minimised) {
    if (minimised)
        return;
    settings.beginGroup(kGroup);
    for (const Field& f : kFields)
        settings.setValue(QLatin1String(f.key),
                          QString::number(double(placement.*f.member), 'g', 10));
    settings.endGroup();
    settings.sync();
}
