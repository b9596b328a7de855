#pragma once

#include <memory>

class PhotoImage;

// One entry of a PhotoImageList. A node owns its successor; the link back
// is weak, so a chain of nodes never keeps itself alive.
class PhotoImageNode {
public:
    PhotoImageNode() = default;
    explicit PhotoImageNode(std::shared_ptr<PhotoImage> aItem) : mItem(std::move(aItem)) {}
    ~PhotoImageNode() {
        NextNode.reset();
        PreviousNode.reset();
    }
    PhotoImageNode(const PhotoImageNode&) = delete;
    PhotoImageNode& operator=(const PhotoImageNode&) = delete;

    std::shared_ptr<PhotoImageNode> NextNode;
    std::weak_ptr<PhotoImageNode> PreviousNode;

    const std::shared_ptr<PhotoImage>& item() const { return mItem; }
    void SetItem(std::shared_ptr<PhotoImage> aItem) { mItem = std::move(aItem); }

private:
    std::shared_ptr<PhotoImage> mItem;
};
