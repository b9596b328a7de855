#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the default browser while it lives: the web addresses the
// program opens through the desktop services land in `opened`.
class BrowserCatcher : public QObject {
    Q_OBJECT
public:
    BrowserCatcher();
    ~BrowserCatcher() override;

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url);
};
