#include "ui/mainwindow/IntroductionPanel.h"

#include "base/Constants.h"
#include "base/IntroSettings.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

IntroductionPanel::IntroductionPanel(const Constants& strings, const QString& dataFolder,
                                     const QString& settingsFile, QWidget* parent)
    : QDialog(parent), mSettingsFile(settingsFile), mPicture(new QLabel(this)),
      mNotShow(new QCheckBox(strings.Text(u"cNotShowIntroPanel"), this)) {
    setObjectName(QStringLiteral("frmIntroduction"));
    setWindowTitle(strings.Text(u"cIntroductionCaption"));
    mPicture->setPixmap(QPixmap(QDir(dataFolder).filePath(QLatin1String(kIntroductionPicture))));
    mPicture->setAlignment(Qt::AlignCenter);
    mNotShow->setObjectName(QStringLiteral("chkNotShow"));
    auto* ok = new QPushButton(strings.Text(u"cOkayButton"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &IntroductionPanel::OnOk);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(mNotShow, 1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mPicture);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool IntroductionPanel::HasPicture() const { return !mPicture->pixmap().isNull(); }

void IntroductionPanel::OnOk() {
    WriteIntroPanelSetting(mSettingsFile, !mNotShow->isChecked()); // a failed write is ignored
    accept(); // hides; the panel stays for Help > Introduction
}
