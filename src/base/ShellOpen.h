#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// The address opened for a web page: "http://" is put in front of an address
// that names no scheme ("www.example.org/x", "example.org:8080/x").
QString WebPageAddress(const QString& address);

// The address as the browser gets it: only an http or https address with a
// host; none for any other scheme ("file:", "javascript:", "httpx-evil:")
// or an address that does not parse.
std::optional<QUrl> WebPageUrl(const QString& address);

// Opens the address in the default browser; true when the desktop accepted
// it. An address WebPageUrl refuses is never handed to the desktop.
bool OpenWebPage(const QString& address);

// Shows a folder in the file manager, or a local file in its program; true
// when the desktop accepted it.
bool OpenFolderWindow(const QString& path);
