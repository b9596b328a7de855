#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

// The program's icons, each an SVG picture in the resources
// (":/icons/NAME.svg"), so they stay sharp at any screen scaling. A name the
// desktop's icon themes know (document-new, go-next, zoom-in, ...) comes from
// the theme when it has one, with ours as the fallback; the program's own
// pictures (page-two, pane-photos, book-order, ...) are always ours. An
// unknown name gives an empty icon.
QIcon ProgramIcon(const QString& name);

// Our own picture of that name, never the theme's.
QIcon ProgramIconPicture(const QString& name);

// Every name of the set (their pictures then are in the resources).
QStringList ProgramIconNames();
