#pragma once

#include <QDialog>

class Constants;
class QLabel;
class QProgressBar;

// mPreviewStatusDialog: the small progress window shown while the preview
// pages are written; it closes itself after the last page.
class PreviewStatusDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreviewStatusDialog(const Constants& strings, QWidget* parent = nullptr);

    // Closes the window when current equals max; otherwise the bar shows
    // current of max.
    void SetStatus(int current, int max);
    QProgressBar* StatusBar() const { return mStatusBar; }

private:
    QLabel* mLabel;
    QProgressBar* mStatusBar;
};
