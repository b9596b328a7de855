#pragma once

#include "OrderStore.h"
#include "ServiceOptions.h"

#include <QHttpServer>
#include <QObject>
#include <memory>

class QHttpServerRequest;
class QHttpServerResponder;

// The reference print service: the order service below "/pb/" and the
// background site below "/bg/", on one loopback port.
class PrintService : public QObject {
    Q_OBJECT
public:
    explicit PrintService(ServiceOptions options, QObject* parent = nullptr);

    // The port listened on (0: pick a free one); 0 when it failed.
    quint16 Listen(quint16 port);
    quint16 Port() const { return mPort; }
    // "http://127.0.0.1:<port>/pb/" and ".../bg/".
    QString ServiceUrl() const;
    QString BackgroundUrl() const;

    // Tests change the fault between uploads.
    ServiceOptions& Options() { return mOptions; }
    OrderStore& Orders() { return mStore; }
    // The uploads answered so far (faults included).
    int UploadCount() const { return mUploads; }
    // One line per request, in order: "upload.php page=N" for an upload,
    // otherwise the path below the base with its query.
    const QStringList& Requests() const { return mRequests; }

private:
    void Serve(const QString& file, const QHttpServerRequest& request,
               QHttpServerResponder&& responder);
    void Upload(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    void ServeBackground(const QString& file, QHttpServerResponder&& responder);
    bool FaultHits(int page);

    ServiceOptions mOptions;
    OrderStore mStore;
    QHttpServer mServer;
    quint16 mPort = 0;
    int mUploads = 0;
    QStringList mRequests;
    int mFaultsPlayed = 0;
};
