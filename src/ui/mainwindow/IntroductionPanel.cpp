#include "ui/mainwindow/IntroductionPanel.h"

#include "base/Constants.h"
#include "base/IntroSettings.h"
#include "ui/mainwindow/MainWindowRules.h"

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
    auto* steps = new QLabel(FirstSteps(strings), this);
    steps->setObjectName(QStringLiteral("lblSteps"));
    steps->setTextFormat(Qt::RichText);
    steps->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mPicture);
    layout->addWidget(steps);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool IntroductionPanel::HasPicture() const { return !mPicture->pixmap().isNull(); }

QString IntroductionPanel::FirstSteps(const Constants& strings) {
    const auto item = [&strings](const char16_t* menu, const char16_t* entry) {
        return QStringLiteral("<b>%1 &gt; %2</b>")
            .arg(MainWindowRules::MenuCaption(strings.Text(menu)).toHtmlEscaped(),
                 MainWindowRules::MenuCaption(strings.Text(entry)).toHtmlEscaped());
    };
    return tr("<b>Your first book in four steps</b><ol>"
              "<li>Import your photos: <b>Ctrl+O</b>, or drop photos or a folder on the "
              "photos pane.</li>"
              "<li>Pick a layout for a page: drag a template onto it.</li>"
              "<li>Drag photos into the boxes; double-click a photo to zoom, move or turn it, "
              "a text box to type.</li>"
              "<li>Look at the result with %1, then order it with %2.</li></ol>"
              "Every change is saved at once; <b>Ctrl+Z</b> takes the last one back.")
        .arg(item(u"cMenuFile", u"cMenuFilePreview"), item(u"cMenuBook", u"cMenuBookOrder"));
}

void IntroductionPanel::showEvent(QShowEvent* event) {
    mNotShow->setChecked(!IntroductionWanted(mSettingsFile));
    mNotShowAtOpen = mNotShow->isChecked();
    QDialog::showEvent(event);
}

void IntroductionPanel::OnOk() {
    if (mNotShow->isChecked() != mNotShowAtOpen) // a failed write is ignored
        WriteIntroPanelSetting(mSettingsFile, !mNotShow->isChecked());
    accept(); // hides; the panel stays for Help > Introduction
}
