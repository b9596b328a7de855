#pragma once

#include <QStringList>
#include <QWebEnginePage>
#include <functional>

// The order window's web page: reads the loaded document through scripts
// and hands link clicks of the top-level document to a filter that may keep
// the view from following them.
class OrderWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit OrderWebPage(QObject* parent = nullptr);

    // True when the click was handled: the view does not follow the link.
    using LinkFilter = std::function<bool(const QUrl&)>;
    void SetLinkFilter(LinkFilter filter) { mLinkFilter = std::move(filter); }

    // The document's location and its root element's inner text.
    void ReadDocument(std::function<void(const QUrl&, const QString&)> done);
    // Every element's inner HTML, in document order.
    void ReadElements(std::function<void(const QStringList&)> done);
    // The address of the document's last anchor (empty without one).
    void ReadLastAnchor(std::function<void(const QUrl&)> done);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    LinkFilter mLinkFilter;
};
