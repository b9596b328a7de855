#include "ui/panes/SidePane.h"

#include "base/Constants.h"
#include "model/BookManager.h"
#include "model/PhotoImage.h"
#include "ui/backgrounds/BackgroundsPane.h"
#include "ui/common/ProgramIcons.h"
#include "ui/common/UiContext.h"
#include "ui/panes/AlbumView.h"
#include "ui/panes/PhotosPane.h"
#include "ui/panes/SidePaneLayout.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {

const char* const kKeyProperty = "paneKey";

SidePaneButton ButtonOfKey(const QString& key) {
    if (key == QLatin1String("album"))
        return SidePaneButton::Album;
    if (key == QLatin1String("backgrounds"))
        return SidePaneButton::Backgrounds;
    return SidePaneButton::Photos;
}

// The strip gives the download button 130 pixels: its caption wraps.
void SetWrappedCaption(QPushButton* button, const QString& caption) {
    auto* label = new QLabel(caption, button);
    label->setObjectName("mDownloadCaption");
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    (new QBoxLayout(QBoxLayout::TopToBottom, button))->addWidget(label);
    button->setAccessibleName(caption);
}

} // namespace

SidePane::SidePane(const UiContext& context, QWidget* parent)
    : QWidget(parent), mBooks(context.books), mStrings(context.strings), mViews(&context.books) {
    Build(context);
    connect(&mBooks, &BookManager::bookChanged, this, &SidePane::OnBookChange);
}

SidePane::~SidePane() = default;

void SidePane::Build(const UiContext& context) {
    mToolbar = new QWidget(this);
    mToolbar->setObjectName("mToolbar");
    auto* toolbarLayout = new QBoxLayout(QBoxLayout::TopToBottom, mToolbar);
    toolbarLayout->setContentsMargins(1, 1, 1, 1);
    toolbarLayout->setSpacing(1);
    mButtons = new QButtonGroup(this);
    mButtons->setExclusive(true);
    AddToolButton("photos", "cPhotoView", true)->setChecked(true);
    AddToolButton("album", "cAlbumView", true);
    AddToolButton("backgrounds", "cBackgroundView", true);
    connect(mButtons, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton* b) { ShowPane(b->property(kKeyProperty).toString()); });

    mPhotosPane = new PhotosPane(&mBooks, &mStrings, &mViews, this);
    mPhotosPane->setObjectName("mPhotosPane");
    mAlbumView = new AlbumView(&mBooks, &mViews, context.renderer, this);
    mAlbumView->setObjectName("mAlbumView");
    mAlbumView->hide();
    mBackgroundsPane = new BackgroundsPane(
        BackgroundsPaneContext{&mBooks, &mStrings, context.backgrounds, &mViews}, this);
    mBackgroundsPane->setObjectName("mBackgroundsPane");
    mBackgroundsPane->hide();
    mDownloadBackgroundButton = new QPushButton(this);
    mDownloadBackgroundButton->setObjectName("mDownloadBackgroundButton");
    SetWrappedCaption(mDownloadBackgroundButton, mStrings.Text(u"cDownloadDialog"));
    mDownloadBackgroundButton->setToolTip(tr("Choose more backgrounds and download them"));
    mDownloadBackgroundButton->setEnabled(false); // until there is a download command
    mDownloadBackgroundButton->hide();
    connect(mDownloadBackgroundButton, &QPushButton::clicked, this, [this] {
        if (mDownloadCommand)
            mDownloadCommand();
    });
    mBorder = new QFrame(this);
    mBorder->setObjectName("mBorder");
    mBorder->setFrameStyle(QFrame::Box | QFrame::Plain);
    mBorder->setAttribute(Qt::WA_TransparentForMouseEvents);
    mBorder->hide();
}

QAbstractButton* SidePane::AddToolButton(const QString& key, const QString& tipKey, bool enabled) {
    auto* button = new QToolButton(mToolbar);
    button->setCheckable(true);
    button->setEnabled(enabled);
    button->setProperty(kKeyProperty, key);
    button->setIcon(ProgramIcon(QStringLiteral("pane-") + key)); // pane-photos, ...
    button->setIconSize(QSize(28, 28));
    button->setAutoRaise(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    button->setToolTip(mStrings.Text(tipKey));
    mToolbar->layout()->addWidget(button);
    mButtons->addButton(button, int(ButtonOfKey(key)));
    return button;
}

QString SidePane::PressedKey() const {
    const QAbstractButton* pressed = mButtons->checkedButton();
    return pressed ? pressed->property(kKeyProperty).toString() : QString();
}

int SidePane::PreferredWidth() const { return SidePaneColumnWidth(ButtonOfKey(PressedKey())); }

// Each book has its own view.
void SidePane::OnBookChange() { Relayout(); }

void SidePane::ShowPane(const QString& key) {
    for (QAbstractButton* b : mButtons->buttons())
        if (b->property(kKeyProperty).toString() == key)
            b->setChecked(true);
    const bool photos = key == QLatin1String("photos");
    const bool backgrounds = key == QLatin1String("backgrounds");
    const bool album = key == QLatin1String("album");
    if (!photos && !backgrounds && !album)
        return;
    mPhotosPane->setVisible(photos);
    mBackgroundsPane->setVisible(backgrounds);
    mDownloadBackgroundButton->setVisible(backgrounds);
    mAlbumView->setVisible(album);
    Relayout();
    update();
    emit paneChanged();
}

bool SidePane::BorderShown() const { return PressedKey() != QLatin1String("photos"); }

void SidePane::Relayout() {
    const PaneView view = View();
    const QRect inside = BorderShown() ? rect().adjusted(1, 1, -1, -1) : rect();
    SidePaneRects rects =
        SidePaneLayout(view, inside.width(), inside.height(), mDownloadBackgroundButton->width());
    for (QRect* r :
         {&rects.toolbar, &rects.photos, &rects.backgrounds, &rects.downloadButton, &rects.album})
        r->translate(inside.topLeft());
    auto* box = static_cast<QBoxLayout*>(mToolbar->layout());
    box->setDirection(view == PaneView::Strip ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    mToolbar->setGeometry(rects.toolbar);
    mPhotosPane->setGeometry(rects.photos);
    mBackgroundsPane->setGeometry(rects.backgrounds);
    mDownloadBackgroundButton->setGeometry(rects.downloadButton);
    mAlbumView->setGeometry(rects.album);
    mAlbumView->Relayout();
    mPhotosPane->Relayout();
    mBackgroundsPane->Relayout();
    mBorder->setGeometry(rect());
    mBorder->setVisible(BorderShown());
    mBorder->raise();
}

void SidePane::resizeEvent(QResizeEvent*) { Relayout(); }

void SidePane::SetDownloadCommand(std::function<void()> command) {
    mDownloadCommand = std::move(command);
    mDownloadBackgroundButton->setEnabled(bool(mDownloadCommand));
}

void SidePane::AddFiles(const QStringList& paths) {
    mPhotosPane->AddFiles(paths, true);
    update();
}

PhotoTile* SidePane::Find(const QString& key) const { return mPhotosPane->Find(key); }
