#pragma once

#include <memory>

class Page;
class PhotoImage;
class TemplateBox;

// The two box editors as the page surfaces use them. The book view hosts one
// of each; positions are in the book view's pixels.

class TextBoxEditing {
public:
    virtual ~TextBoxEditing() = default;
    virtual bool IsInitialized() const = 0;
    // Commits the text and saves the book; nothing when closed.
    virtual void Destroy() = 0;
    virtual void Init(const std::shared_ptr<Page>& aPage, int textBoxIndex) = 0;
    virtual void SetLocationAndSize(int x, int y, int width, int height, int surfaceWidth) = 0;
    // The edited page's id, -1 when closed.
    virtual int PageId() const = 0;
    virtual std::shared_ptr<const TemplateBox> TextBox() const = 0;
};

class PhotoBoxEditing {
public:
    virtual ~PhotoBoxEditing() = default;
    virtual bool IsInitialized() const = 0;
    // Saves the book and closes; nothing when closed.
    virtual void Destroy() = 0;
    virtual void Init(const std::shared_ptr<PhotoImage>& photo) = 0;
    virtual void SetLocationAndSize(int x, int y, int width, int height) = 0;
    virtual int PageId() const = 0;
    virtual std::shared_ptr<const TemplateBox> PhotoBox() const = 0;
};

// What the book view lends its page surfaces; either may be null (no editor).
struct BoxEditors {
    TextBoxEditing* text = nullptr;
    PhotoBoxEditing* photo = nullptr;
};
