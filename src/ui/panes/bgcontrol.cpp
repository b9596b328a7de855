#include "ui/panes/bgcontrol.h"

#include "base/GuardedStep.h"
#include "model/BackgroundLibrary.h"
#include "ui/panes/BackgroundTileLayout.h"
#include "imaging/FreeImageBridge.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "base/Constants.h"

#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

bgcontrol::bgcontrol(const BgPaneContext& context, QWidget* parent)
    : QWidget(parent), mContext(context), mMenu(new QMenu(this)) {
    mMenu->setObjectName("mnuPopup");
    mnuDefault = AddMenuItem("mnuDefault", BackgroundPages::All);
    mnuLeftBg = AddMenuItem("mnuLeftBg", BackgroundPages::EvenNumbers);
    mnuRightBg = AddMenuItem("mnuRightBg", BackgroundPages::OddNumbers);
}

QAction* bgcontrol::AddMenuItem(const char* name, BackgroundPages which) {
    QAction* item = mMenu->addAction(QString());
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, [this, which] { ApplyToPages(which); });
    return item;
}

void bgcontrol::SetPage(int aPageNum, const QString& FileName) {
    hide();
    mIndex = aPageNum;
    mName = FileName;
    const QString small = mContext.Library().FilePath(mName, BackgroundLibrary::Size::Small);
    const FiBitmap picture = FiLoad(FIF_JPEG, small, 0);
    mPicture = picture ? FiToQImage(picture.get()) : QImage();
    update();
}

void bgcontrol::SetStart(int aLeftStart) {
    setGeometry(BgTilePlace(mContext.PaneView(), mIndex, aLeftStart));
    show();
}

QMimeData* bgcontrol::MakeDragData() const {
    auto* data = new QMimeData;
    data->setText(QStringLiteral("bg:") + mName);
    return data;
}

QString bgcontrol::Caption(const char* key) const {
    return mContext.strings ? mContext.strings->Text(QString::fromLatin1(key)) : QString();
}

QMenu* bgcontrol::PreparePopupMenu() {
    mnuDefault->setText(Caption("cBgControlMenuOptionAll"));
    mnuLeftBg->setText(Caption("cBgControlMenuOptionEven"));
    mnuRightBg->setText(Caption("cBgControlMenuOptionOdd"));
    return mMenu;
}

void bgcontrol::ApplyToPages(BackgroundPages which) {
    const std::shared_ptr<Book> book = mContext.books ? mContext.books->GetBook() : nullptr;
    if (book)
        RunGuarded([&] { ApplyBackground(*book, mName, which); });
}

void bgcontrol::paintEvent(QPaintEvent*) {
    if (mPicture.isNull())
        return;
    QPainter painter(this); // no smoothing: a plain stretch
    painter.drawImage(kBgTilePicture, mPicture);
}

void bgcontrol::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        PreparePopupMenu()->popup(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(MakeDragData());
    if (!mPicture.isNull())
        drag->setPixmap(QPixmap::fromImage(mPicture.scaled(72, 52)));
    drag->exec(Qt::CopyAction);
}
