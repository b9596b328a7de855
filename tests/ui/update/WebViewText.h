#pragma once

#include <QString>
#include <functional>

class QWebEngineView;

// The text of the document the view shows, once `wanted` accepts it
// (waiting up to timeoutMs); the last text read when it never does.
QString WaitForDocumentText(QWebEngineView& view, const std::function<bool(const QString&)>& wanted,
                            int timeoutMs = 30000);
// ... once it holds `expected`.
QString WaitForDocumentText(QWebEngineView& view, const QString& expected, int timeoutMs = 30000);
