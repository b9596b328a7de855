#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QString>

class BackgroundDownload;
class BackgroundLibrary;
class BackgroundsPane;
class Constants;
class QNetworkAccessManager;
class QProgressBar;
class QPushButton;
class QWebEngineView;
struct BackgroundDownloadResult;

// What the download dialog works with.
struct BackgroundDownloadContext {
    BackgroundLibrary& library;
    const Constants& strings;
    QPointer<BackgroundsPane> pane; // gets a tile per new background; may be null
    QString scratchFolder;          // ends with "/"
    QString siteUrl;                // the site's start page
    int timeoutMs = 30000;          // per request
};

// The background site in a web view. The download button reads the site's
// selection (the first element whose inner markup begins with "bg:") and
// fetches the chosen backgrounds into the library; each new one gets its
// tile at once. Closing during a download stops it after the request under
// way (no background is left half-made), and then the dialog closes.
class BackgroundDownloadDialog : public QDialog {
    Q_OBJECT
public:
    BackgroundDownloadDialog(const BackgroundDownloadContext& context, QWidget* parent = nullptr);
    ~BackgroundDownloadDialog() override;

    QWebEngineView* WebView() const { return mWebBrowser; }
    QPushButton* DownloadButton() const { return mOkButton; }
    QPushButton* CloseButton() const { return mCancelButton; }
    QProgressBar* ProgressBar() const { return mProgressBar; }
    bool IsDownloading() const;

    // The download button.
    void DownloadSelected();
    // Ticks the first `count` boxes of the site's page once it has loaded
    // (for pictures of the program).
    void TickOnSiteWhenLoaded(int count);
    // The close button, Escape and the title bar: during a download, a
    // request to stop.
    void reject() override;

private:
    void OnSelection(const QString& selection);
    void OnRepeatQuestion();
    void OnFinished(const BackgroundDownloadResult& result);
    void AddTile(const QString& name);
    QMessageBox* ShowMessage(QMessageBox::Icon icon, const QString& name, const QString& text,
                             QMessageBox::StandardButtons buttons);

    BackgroundLibrary& mLibrary;
    const Constants& mStrings;
    QPointer<BackgroundsPane> mPane;
    QNetworkAccessManager* mNetwork;
    BackgroundDownload* mDownload;
    QWebEngineView* mWebBrowser;
    QPushButton* mOkButton;
    QPushButton* mCancelButton;
    QProgressBar* mProgressBar;
    bool mReading = false;   // the selection is being read
    bool mDestroyed = false; // the page's last callbacks come during its destruction
};

// Opens the dialog, window-modal over `owner`, on the site's start page; it
// deletes itself once closed.
BackgroundDownloadDialog* OpenBackgroundDownloadDialog(QWidget* owner,
                                                       const BackgroundDownloadContext& context);
