#pragma once

#include <QWidget>
#include <memory>
#include <vector>

class QScrollBar;
class Template;
class TemplateTile;
class Templates;

// The template picker: the miniatures of one catalogue group, newest first,
// in a column with a scroll bar whose value counts the rows scrolled off.
// Up and Down move the focus between the miniatures.
class TemplatesPane : public QWidget {
    Q_OBJECT
public:
    explicit TemplatesPane(const Templates& catalogue, QWidget* parent = nullptr);

    // Shows the templates of a group (0 to 8) and scrolls back to the top.
    void RenderTemplates(int group);
    // -1 before the first RenderTemplates.
    int Group() const { return mGroup; }

    QScrollBar* ScrollBar() const { return mScrollbar; }
    // The miniatures in creation order.
    const std::vector<TemplateTile*>& Miniatures() const { return mMiniatures; }

signals:
    // A miniature was double-clicked or chosen with Enter.
    void templateChosen(const std::shared_ptr<Template>& chosen);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const Templates& Catalogue() const { return mCatalogue; }
    int MiniatureHeight() const;
    void UpdateRange();
    void MoveMiniatures();
    // Gives miniature k the focus, scrolling it into view.
    void FocusMiniature(int k);

    const Templates& mCatalogue;
    QScrollBar* mScrollbar;
    std::vector<TemplateTile*> mMiniatures;
    int mGroup = -1;
};
