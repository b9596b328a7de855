#include "ui/bookview/TemplatesControl.h"

#include "model/Templates.h"
#include "ui/bookview/TemplateControl.h"
#include "ui/bookview/TemplatesControlMath.h"

#include <QScrollBar>

using namespace TemplatesControlMath;

TemplatesControl::TemplatesControl(const Templates& catalogue, QWidget* parent)
    : QWidget(parent), mCatalogue(catalogue), mScrollbar(new QScrollBar(Qt::Vertical, this)) {
    mScrollbar->setRange(0, 0);
    mScrollbar->setSingleStep(1);
    mScrollbar->setPageStep(1);
    connect(mScrollbar, &QScrollBar::valueChanged, this, &TemplatesControl::MoveMiniatures);
}

int TemplatesControl::MiniatureHeight() const {
    return TemplatesControlMath::MiniatureHeight(Catalogue().PageWidth(), Catalogue().PageHeight());
}

void TemplatesControl::RenderTemplates(int group) {
    const Templates& catalogue = Catalogue();
    const auto& templates = catalogue.GroupTemplates(group); // throws outside 0..8
    mGroup = group;
    for (TemplateControl* miniature : mMiniatures)
        delete miniature; // child widgets: deleting removes them from the picker
    mMiniatures.clear();
    mScrollbar->setValue(0);
    UpdateRange();
    const int h = MiniatureHeight();
    for (int i = 0; i < int(templates.size()); ++i) {
        auto* miniature = new TemplateControl(catalogue.PageWidth(), catalogue.PageHeight(), this);
        miniature->setObjectName(QStringLiteral("Template_%1_%2").arg(i).arg(group));
        miniature->SetTemplate(templates[size_t(i)], MiniatureWidth, h, MiniatureTop(i, h, 0),
                               MiniatureLeft, i);
        mMiniatures.push_back(miniature);
    }
    mScrollbar->raise();
}

void TemplatesControl::UpdateRange() {
    if (mGroup < 0)
        return;
    const int count = int(Catalogue().GroupTemplates(mGroup).size());
    mScrollbar->setMaximum(ScrollMaximum(count, height(), MiniatureHeight()));
}

void TemplatesControl::MoveMiniatures() {
    const int value = mScrollbar->value();
    for (int k = 0; k < int(mMiniatures.size()); ++k) {
        TemplateControl* miniature = mMiniatures[size_t(k)];
        miniature->move(miniature->x(), MiniatureTop(k, miniature->height(), value));
    }
}

void TemplatesControl::resizeEvent(QResizeEvent*) {
    const int barWidth = mScrollbar->sizeHint().width();
    mScrollbar->setGeometry(width() - barWidth - 3, 0, barWidth, height() - 2);
    UpdateRange();
}
