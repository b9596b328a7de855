#include "ui/mainwindow/dialogs/PreviewStatusDialog.h"

#include "base/Constants.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

PreviewStatusDialog::PreviewStatusDialog(const Constants& strings, QWidget* parent)
    : QDialog(parent), mLabel(new QLabel(strings.Text(u"cOnWaitMsg"), this)),
      mStatusBar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("mPreviewStatusDialog"));
    setWindowTitle(strings.Text(u"cMenuFilePreview"));
    mLabel->setWordWrap(true);
    mStatusBar->setObjectName(QStringLiteral("mStatusBar"));
    mStatusBar->setRange(0, 0); // busy until the first page is done
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mLabel);
    layout->addWidget(mStatusBar);
    setMinimumWidth(360);
}

void PreviewStatusDialog::SetStatus(int current, int max) {
    if (current == max) {
        close();
        return;
    }
    mStatusBar->setMaximum(max);
    mStatusBar->setValue(current);
}
