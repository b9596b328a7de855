#include "panes/PhotosControl.h"

PhotosControl::PhotosControl(QWidget* parent) : QWidget(parent) {}

void PhotosControl::AddFiles(const QStringList&, bool) {}
void PhotosControl::AddDisplayPhoto(const std::shared_ptr<PhotoImage>&) {}
void PhotosControl::RemoveDisplayPhoto(const std::shared_ptr<PhotoImage>&) {}
void PhotosControl::RemovePhoto(const std::shared_ptr<PhotoImage>&) {}
PhotoControl* PhotosControl::Find(const QString&) const { return nullptr; }
