#include "ui/bookview/TemplatesPane.h"

#include "model/Templates.h"
#include "ui/bookview/TemplateTile.h"
#include "ui/bookview/TemplatesPaneMath.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

using namespace TemplatesPaneMath;

TemplatesPane::TemplatesPane(const Templates& catalogue, QWidget* parent)
    : QWidget(parent), mCatalogue(catalogue), mScrollbar(new QScrollBar(Qt::Vertical, this)) {
    mScrollbar->setRange(0, 0);
    mScrollbar->setSingleStep(1);
    mScrollbar->setPageStep(1);
    connect(mScrollbar, &QScrollBar::valueChanged, this, &TemplatesPane::MoveMiniatures);
}

int TemplatesPane::MiniatureHeight() const {
    return TemplatesPaneMath::MiniatureHeight(Catalogue().PageWidth(), Catalogue().PageHeight());
}

void TemplatesPane::RenderTemplates(int group) {
    const Templates& catalogue = Catalogue();
    const auto& templates = catalogue.GroupTemplates(group); // throws outside 0..8
    mGroup = group;
    for (TemplateTile* miniature : mMiniatures)
        delete miniature; // child widgets: deleting removes them from the picker
    mMiniatures.clear();
    mScrollbar->setValue(0);
    UpdateRange();
    const int h = MiniatureHeight();
    for (int i = 0; i < int(templates.size()); ++i) {
        auto* miniature = new TemplateTile(catalogue.PageWidth(), catalogue.PageHeight(), this);
        miniature->setObjectName(QStringLiteral("Template_%1_%2").arg(i).arg(group));
        miniature->SetTemplate(templates[size_t(i)], kMiniatureWidth, h, MiniatureTop(i, h, 0),
                               kMiniatureLeft, i);
        connect(miniature, &TemplateTile::chosen, this,
                [this, miniature] { emit templateChosen(miniature->GetTemplate()); });
        mMiniatures.push_back(miniature);
    }
    mScrollbar->raise();
}

void TemplatesPane::UpdateRange() {
    if (mGroup < 0)
        return;
    const int count = int(Catalogue().GroupTemplates(mGroup).size());
    mScrollbar->setMaximum(ScrollMaximum(count, height(), MiniatureHeight()));
}

void TemplatesPane::MoveMiniatures() {
    const int value = mScrollbar->value();
    for (int k = 0; k < int(mMiniatures.size()); ++k) {
        TemplateTile* miniature = mMiniatures[size_t(k)];
        miniature->move(miniature->x(), MiniatureTop(k, miniature->height(), value));
    }
}

void TemplatesPane::resizeEvent(QResizeEvent*) {
    const int barWidth = mScrollbar->sizeHint().width();
    mScrollbar->setGeometry(width() - barWidth - 3, 0, barWidth, height() - 2);
    UpdateRange();
}

void TemplatesPane::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Down ? 1 : event->key() == Qt::Key_Up ? -1 : 0;
    const auto focused = std::find(mMiniatures.begin(), mMiniatures.end(), focusWidget());
    if (step == 0 || focused == mMiniatures.end())
        return QWidget::keyPressEvent(event);
    const int k = int(focused - mMiniatures.begin()) + step;
    FocusMiniature(std::clamp(k, 0, int(mMiniatures.size()) - 1));
}

void TemplatesPane::FocusMiniature(int k) {
    const int h = MiniatureHeight();
    int value = std::min(mScrollbar->value(), k);
    while (value < mScrollbar->maximum() && MiniatureTop(k, h, value) + h > height())
        ++value;
    mScrollbar->setValue(value);
    mMiniatures[size_t(k)]->setFocus(Qt::TabFocusReason);
}
