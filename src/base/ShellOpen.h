#pragma once

#include <QString>

// The address opened for a web page: "http://" is put in front of an address
// that does not begin with "http" (any letter case).
QString WebPageAddress(const QString& address);

// Opens the address in the default browser; true when the desktop accepted it.
bool OpenWebPage(const QString& address);

// Shows a folder in the file manager, or a local file in its program; true
// when the desktop accepted it.
bool OpenFolderWindow(const QString& path);
