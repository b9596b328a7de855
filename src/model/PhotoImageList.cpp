#include "model/PhotoImageList.h"

#include "model/PhotoImage.h"
#include "base/LumbraError.h"

#include <limits>

PhotoImageList::~PhotoImageList() {
    // Cut the chain node by node: a long chain released at once would recurse.
    std::shared_ptr<PhotoImageNode> node = std::move(mFirst);
    mLast.reset();
    while (node) {
        std::shared_ptr<PhotoImageNode> next = std::move(node->NextNode);
        node->PreviousNode.reset();
        node = std::move(next);
    }
    mCount = 0;
}

bool PhotoImageList::Contains(const PhotoImageNode* aNode) const {
    for (const PhotoImageNode* node = mFirst.get(); node; node = node->NextNode.get())
        if (node == aNode)
            return true;
    return false;
}

void PhotoImageList::AddNode(const std::shared_ptr<PhotoImageNode>& aNode) {
    // A linked node (here or in another list) has a neighbour or is a front.
    if (!aNode || aNode == mFirst || aNode->NextNode || !aNode->PreviousNode.expired())
        throw LumbraError(QStringLiteral("The photo list cannot take this node"));
    if (mCount == std::numeric_limits<int16_t>::max())
        throw LumbraError(QStringLiteral("The photo list is full"));
    if (!mLast) {
        mFirst = aNode;
        aNode->PreviousNode.reset();
    } else {
        aNode->PreviousNode = mLast;
        mLast->NextNode = aNode;
    }
    aNode->NextNode.reset();
    mLast = aNode;
    ++mCount;
}

void PhotoImageList::Add(std::shared_ptr<PhotoImage> aPhotoImage) {
    AddNode(std::make_shared<PhotoImageNode>(std::move(aPhotoImage)));
}

std::shared_ptr<PhotoImageNode> PhotoImageList::Find(const QString& aKey) const {
    for (std::shared_ptr<PhotoImageNode> node = mFirst; node; node = node->NextNode)
        if (node->item() && node->item()->GetKey() == aKey)
            return node;
    return nullptr;
}

void PhotoImageList::RemoveNode(std::shared_ptr<PhotoImageNode>& aNode) {
    if (!aNode || !Contains(aNode.get()))
        throw LumbraError(QStringLiteral("The node is not in the photo list"));
    const std::shared_ptr<PhotoImageNode> previous = aNode->PreviousNode.lock();
    const std::shared_ptr<PhotoImageNode> next = aNode->NextNode;
    if (aNode == mFirst)
        mFirst = next;
    if (aNode == mLast)
        mLast = previous;
    if (previous)
        previous->NextNode = next;
    if (next)
        next->PreviousNode = previous;
    aNode->NextNode.reset();
    aNode->PreviousNode.reset();
    aNode.reset();
    --mCount;
}

void PhotoImageList::Remove(const PhotoImage& aPhotoImage) {
    std::shared_ptr<PhotoImageNode> node = Find(aPhotoImage.GetKey());
    if (node)
        RemoveNode(node);
}
