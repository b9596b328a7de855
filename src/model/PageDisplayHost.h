#pragma once

#include <memory>

class PhotoImage;

// Where a page hands photos that leave its boxes, and from where it takes
// photos that enter them: the book session in the program, which announces
// them to the photos pane. A photo handed over with AddDisplayPhoto comes
// back reset and standing on no page.
class PageDisplayHost {
public:
    virtual ~PageDisplayHost() = default;
    virtual void AddDisplayPhoto(const std::shared_ptr<PhotoImage>& photo) = 0;
    virtual void RemoveDisplayPhoto(const std::shared_ptr<PhotoImage>& photo) = 0;
    // A photo an undo or redo leaves standing on no page: as AddDisplayPhoto,
    // but a new tile goes where the book's photo order puts it.
    virtual void ReturnDisplayPhoto(const std::shared_ptr<PhotoImage>& photo) {
        AddDisplayPhoto(photo);
    }
};

// For code without a photos pane: resets the photo and clears its page.
class HeadlessDisplayHost : public PageDisplayHost {
public:
    void AddDisplayPhoto(const std::shared_ptr<PhotoImage>& photo) override;
    void RemoveDisplayPhoto(const std::shared_ptr<PhotoImage>& photo) override;
};
