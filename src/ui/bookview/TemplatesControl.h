#pragma once

#include <QWidget>
#include <vector>

class QScrollBar;
class TemplateControl;
class Templates;

// The template picker: the miniatures of one catalogue group, newest first,
// in a column with a scroll bar whose value counts the rows scrolled off.
class TemplatesControl : public QWidget {
    Q_OBJECT
public:
    explicit TemplatesControl(const Templates& catalogue, QWidget* parent = nullptr);

    // Shows the templates of a group (0 to 8) and scrolls back to the top.
    void RenderTemplates(int group);
    // -1 before the first RenderTemplates.
    int Group() const { return mGroup; }

    QScrollBar* ScrollBar() const { return mScrollbar; }
    // The miniatures in creation order.
    const std::vector<TemplateControl*>& Miniatures() const { return mMiniatures; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    const Templates& Catalogue() const { return mCatalogue; }
    int MiniatureHeight() const;
    void UpdateRange();
    void MoveMiniatures();

    const Templates& mCatalogue;
    QScrollBar* mScrollbar;
    std::vector<TemplateControl*> mMiniatures;
    int mGroup = -1;
};
