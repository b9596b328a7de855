#include "ui/mainwindow/dialogs/AboutBox.h"

#include "BuildConfig.h"
#include "base/Constants.h"
#include "base/ProgramInfo.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString VersionLine(int major, int minor, int revision) {
    return AboutBox::tr("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString LibraryNotice() {
    return AboutBox::tr("Lumbra uses Qt %1 (https://www.qt.io), under the LGPL, version 3, "
                        "libjpeg-turbo (https://libjpeg-turbo.org), under the IJG and BSD "
                        "licences, Little CMS (https://www.littlecms.com), under the MIT "
                        "licence, and libheif with libde265 (https://github.com/strukturag), "
                        "under the LGPL. This software is based in part on the work of the "
                        "Independent JPEG Group.")
        .arg(QLatin1String(qVersion()));
}

namespace {

QLabel* AddLabel(QVBoxLayout* layout, const char* name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setMinimumWidth(400); // wrapped labels would otherwise ask for little
    layout->addWidget(label);
    return label;
}

} // namespace

AboutBox::AboutBox(const Constants& strings, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(strings.Text(u"cAboutCaption"));
    auto* layout = new QVBoxLayout(this);
    QLabel* title = AddLabel(layout, "lblTitle", strings.Text(u"cMainFormCaption"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    AddLabel(layout, "lblVersion",
             VersionLine(BuildConfig::VersionMajor, BuildConfig::VersionMinor, ProgramRevision()));
    AddLabel(layout, "lblDescription", LibraryNotice());
    AddLabel(layout, "mCopyrightLabel", strings.Text(u"cCopyrightCaption"));
    auto* ok = new QPushButton(strings.Text(u"cOkayButton"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
