#include "ui/panes/PhotoTileDeleteButton.h"

#include <QToolButton>

namespace {
constexpr int kButtonSize = 15;
}

PhotoTileDeleteButton::PhotoTileDeleteButton(QWidget* parent) : QWidget(parent) {
    mDeletePhotoButton = new QToolButton(this);
    mDeletePhotoButton->setObjectName("mDeletePhotoButton");
    mDeletePhotoButton->setText(QStringLiteral("\u00d7"));
    mDeletePhotoButton->setToolTip(tr("Remove photo from the book"));
    mDeletePhotoButton->setAutoRaise(false);
    mDeletePhotoButton->setFocusPolicy(Qt::NoFocus);
    mDeletePhotoButton->setGeometry(0, 0, kButtonSize, kButtonSize);
    resize(kButtonSize, kButtonSize);
    connect(mDeletePhotoButton, &QToolButton::clicked, this,
            [this] { emit deleteClicked(mPhoto); });
}

void PhotoTileDeleteButton::SetPos(int aLeft, int aTop) {
    setGeometry(aLeft, aTop, kButtonSize, kButtonSize);
}
