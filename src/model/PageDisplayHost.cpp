#include "model/PageDisplayHost.h"

#include "model/PhotoImage.h"

void HeadlessDisplayHost::AddDisplayPhoto(const std::shared_ptr<PhotoImage>& photo) {
    if (!photo)
        return;
    photo->ResetPhoto();
    photo->SetPage({});
}

void HeadlessDisplayHost::RemoveDisplayPhoto(const std::shared_ptr<PhotoImage>&) {}
