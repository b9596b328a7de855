#pragma once

#include "model/BackgroundLibrary.h"

// The process-wide background library. Start-up sets its backgrounds folder
// (Library().SetBackgroundsFolder) before InitBackgrounds.
namespace Backgrounds {

BackgroundLibrary& Library();

void InitBackgrounds();
void CopyDeliveredBackgrounds();
void LoadBackgroundList();
bool IsBackgroundListed(const QString& name);
QString GetDeliveredBackgroundsFolder();
using ::TrimAtNul;

} // namespace Backgrounds
