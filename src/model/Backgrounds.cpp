#include "model/Backgrounds.h"

namespace Backgrounds {

BackgroundLibrary& Library() {
    static BackgroundLibrary library;
    return library;
}

void InitBackgrounds() { Library().InitBackgrounds(); }
void CopyDeliveredBackgrounds() { Library().CopyDeliveredBackgrounds(); }
void LoadBackgroundList() { Library().LoadBackgroundList(); }
bool IsBackgroundListed(const QString& name) { return Library().IsBackgroundListed(name); }
QString GetDeliveredBackgroundsFolder() { return Library().GetDeliveredBackgroundsFolder(); }

} // namespace Backgrounds
