#pragma once

#include <memory>

class Template;

// One cell of a catalogue group's doubly linked list. The forward link owns
// the next cell; the backward link is weak so a group frees itself.
class TemplateNode {
public:
    void SetItem(std::shared_ptr<Template> item) { mItem = std::move(item); }
    const std::shared_ptr<Template>& GetItem() const { return mItem; }

    const std::shared_ptr<TemplateNode>& NextNode() const { return mNext; }
    std::shared_ptr<TemplateNode> PreviousNode() const { return mPrevious.lock(); }
    void SetNextNode(std::shared_ptr<TemplateNode> next) { mNext = std::move(next); }
    void SetPreviousNode(const std::shared_ptr<TemplateNode>& previous) { mPrevious = previous; }

private:
    std::shared_ptr<Template> mItem;
    std::shared_ptr<TemplateNode> mNext;
    std::weak_ptr<TemplateNode> mPrevious;
};
