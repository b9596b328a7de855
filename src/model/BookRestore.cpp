// Taking pages of a book back to earlier forms, for undo and redo.
#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/Page.h"
#include "model/PhotoImage.h"

#include <algorithm>

int Book::IndexOf(const Page& aPage) const {
    for (int i = 0; i < PagesCount(); ++i)
        if (mPages[size_t(i)].get() == &aPage)
            return i;
    return -1;
}

PageForms Book::FormsOf(const std::vector<int>& indices) const {
    PageForms result{PagesCount(), {}};
    for (const int i : indices)
        if (i >= 0 && i < PagesCount())
            result.forms[i] = mPages[size_t(i)]->Serialize();
    return result;
}

int Book::RestorePages(const PageForms& target) {
    std::vector<int> changed;
    for (const auto& [i, form] : target.forms) {
        if (i < PagesCount() && mPages[size_t(i)]->Serialize() != form) {
            mPages[size_t(i)]->Delete(); // its photos are free for the pages read below
            changed.push_back(i);
        }
    }
    const bool removed = PagesCount() > target.count;
    while (PagesCount() > target.count) {
        mPages.back()->Delete();
        mPages.pop_back();
    }
    const auto read = [&](int i) {
        const auto found = target.forms.find(i);
        return found == target.forms.end() ? MakeDefaultPage() : ReadPage(found->second);
    };
    for (const int i : changed) {
        mPages[size_t(i)] = read(i);
        NumberPage(*mPages[size_t(i)]);
    }
    int firstChanged = changed.empty() ? -1 : changed.front();
    for (int i = PagesCount(); i < target.count; ++i) {
        AppendPage(read(i));
        if (firstChanged < 0)
            firstChanged = i;
    }
    for (const int i : changed)
        emit pageChanged(i);
    if (removed) {
        emit pageDeleted(PagesCount());
        if (firstChanged < 0)
            firstChanged = std::max(0, PagesCount() - 1);
    }
    return firstChanged;
}

void Book::InsertPage(int index, const QString& form) {
    if (index < 0 || index > PagesCount())
        throw LumbraError(QStringLiteral("No page %1 to insert before").arg(index));
    const PagePtr read = ReadPage(form);
    NumberPage(*read);
    mPages.insert(mPages.begin() + index, read);
    emit pageAdded();
    for (int i = index; i < PagesCount(); ++i)
        emit pageChanged(i);
}
