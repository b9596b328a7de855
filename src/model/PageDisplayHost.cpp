#include "model/PageDisplayHost.h"

#include "model/PhotoImage.h"

void HeadlessDisplayHost::AddDisplayPhoto(const std::shared_ptr<PhotoImage>& photo) {
    if (!photo)
        return;
    photo->ResetPhoto();
    photo->SetPage({});
}

void HeadlessDisplayHost::RemoveDisplayPhoto(const std::shared_ptr<PhotoImage>&) {}

PageDisplayHost& ForwardingDisplayHost::Current() { return mTarget ? *mTarget : mHeadless; }

void ForwardingDisplayHost::AddDisplayPhoto(const std::shared_ptr<PhotoImage>& photo) {
    Current().AddDisplayPhoto(photo);
}

void ForwardingDisplayHost::ReturnDisplayPhoto(const std::shared_ptr<PhotoImage>& photo) {
    Current().ReturnDisplayPhoto(photo);
}

void ForwardingDisplayHost::RemoveDisplayPhoto(const std::shared_ptr<PhotoImage>& photo) {
    Current().RemoveDisplayPhoto(photo);
}
