#pragma once

#include <QImage>
#include <QSize>
#include <QStringList>

// The delivered background pictures, painted from scratch.
namespace Backgrounds {

QStringList Names();
// The named background at the size; a null image for an unknown name.
QImage Paint(const QString& name, const QSize& size);

} // namespace Backgrounds
