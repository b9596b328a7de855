#include "ui/backgrounds/BackgroundTile.h"

#include "base/Constants.h"
#include "model/BackgroundLibrary.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "ui/backgrounds/BackgroundTileLayout.h"
#include "ui/common/GuardedStep.h"

#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

BackgroundTile::BackgroundTile(const BackgroundsPaneContext& context, QWidget* parent)
    : QWidget(parent), mContext(context), mMenu(new QMenu(this)) {
    mMenu->setObjectName("mnuPopup");
    mDefaultAction = AddMenuItem("mnuDefault", BackgroundPages::All);
    mLeftBackgroundAction = AddMenuItem("mnuLeftBg", BackgroundPages::EvenNumbers);
    mRightBackgroundAction = AddMenuItem("mnuRightBg", BackgroundPages::OddNumbers);
    mMenu->addSeparator();
    QAction* none = mMenu->addAction(tr("No Background on All Pages"));
    none->setObjectName(QStringLiteral("mnuNoBg"));
    connect(none, &QAction::triggered, this, &BackgroundTile::RemoveFromAllPages);
}

QAction* BackgroundTile::AddMenuItem(const char* name, BackgroundPages which) {
    QAction* item = mMenu->addAction(QString());
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, [this, which] { ApplyToPages(which); });
    return item;
}

void BackgroundTile::SetPage(int aPageNum, const QString& FileName) {
    hide();
    mIndex = aPageNum;
    mName = FileName;
    setToolTip(tr("%1: drag it onto a page; right-click to put it on all, left or right pages")
                   .arg(mName));
    mPicture.Load(this, mContext.library.FilePath(mName, ThumbType::Small),
                  [this] { emit pictureLoaded(); });
    update();
}

void BackgroundTile::SetStart(int aLeftStart) {
    setGeometry(BackgroundTilePlace(mContext.View(), mIndex, aLeftStart));
    show();
}

QMimeData* BackgroundTile::MakeDragData() const {
    auto* data = new QMimeData;
    data->setText(QStringLiteral("bg:") + mName);
    return data;
}

QString BackgroundTile::Caption(const char* key) const {
    return mContext.strings ? mContext.strings->Text(QString::fromLatin1(key)) : QString();
}

QMenu* BackgroundTile::PreparePopupMenu() {
    mDefaultAction->setText(Caption("cBgControlMenuOptionAll"));
    mLeftBackgroundAction->setText(Caption("cBgControlMenuOptionEven"));
    mRightBackgroundAction->setText(Caption("cBgControlMenuOptionOdd"));
    return mMenu;
}

void BackgroundTile::ApplyToPages(BackgroundPages which) {
    const std::shared_ptr<Book> book = mContext.books ? mContext.books->GetBook() : nullptr;
    if (!book)
        return;
    RunGuarded("Setting a background",
               [&] { mContext.books->Session().SetBackground(mName, which); });
}

void BackgroundTile::RemoveFromAllPages() {
    const std::shared_ptr<Book> book = mContext.books ? mContext.books->GetBook() : nullptr;
    if (!book)
        return;
    RunGuarded("Removing the backgrounds",
               [&] { mContext.books->Session().SetBackground(QString(), BackgroundPages::All); });
}

void BackgroundTile::paintEvent(QPaintEvent*) {
    if (Picture().isNull())
        return;
    QPainter painter(this); // no smoothing: a plain stretch
    painter.drawImage(kBackgroundTilePicture, Picture());
}

void BackgroundTile::mousePressEvent(QMouseEvent* event) {
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
    if (!Picture().isNull())
        drag->setPixmap(QPixmap::fromImage(Picture().scaled(72, 52)));
    drag->exec(Qt::CopyAction);
}
