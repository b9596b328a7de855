#pragma once

#include "model/PhotoImageNode.h"

#include <QString>
#include <cstdint>
#include <memory>

// A book's photo pool: a doubly linked list of nodes in insertion order.
// Walk it with First() and NextNode.
class PhotoImageList {
public:
    PhotoImageList() = default;
    ~PhotoImageList();
    PhotoImageList(const PhotoImageList&) = delete;
    PhotoImageList& operator=(const PhotoImageList&) = delete;

    const std::shared_ptr<PhotoImageNode>& First() const { return mFirst; }

    // Appends aNode. Throws LumbraError, linking nothing, when aNode is null
    // or already linked, or when the list holds 32767 nodes.
    void AddNode(const std::shared_ptr<PhotoImageNode>& aNode);
    // Wraps the photo in a new node and appends it (no check for its key).
    void Add(std::shared_ptr<PhotoImage> aPhotoImage);
    // First node from the front whose photo has exactly this key; null if none.
    std::shared_ptr<PhotoImageNode> Find(const QString& aKey) const;
    // Unlinks aNode and clears the caller's reference. Throws LumbraError
    // when aNode is not in this list.
    void RemoveNode(std::shared_ptr<PhotoImageNode>& aNode);
    // Removes the node of the photo's key, if there is one.
    void Remove(const PhotoImage& aPhotoImage);
    void Remove(const std::shared_ptr<PhotoImage>& aPhotoImage) {
        if (aPhotoImage)
            Remove(*aPhotoImage);
    }
    int16_t GetSize() const { return mCount; }

private:
    bool Contains(const PhotoImageNode* aNode) const;

    std::shared_ptr<PhotoImageNode> mFirst;
    std::shared_ptr<PhotoImageNode> mLast;
    int16_t mCount = 0;
};
