#pragma once

#include <QWidget>

#include <memory>

class PhotoImage;
class QToolButton;

// The small delete button beside a photo tile.
class PhotoTileDeleteButton : public QWidget {
    Q_OBJECT
public:
    explicit PhotoTileDeleteButton(QWidget* parent);

    void SetPhoto(const std::shared_ptr<PhotoImage>& aPhoto) { mPhoto = aPhoto; }
    const std::shared_ptr<PhotoImage>& GetPhoto() const { return mPhoto; }
    // Moves the button; it is always 15 x 15.
    void SetPos(int aLeft, int aTop);
    void setVisibility(bool aVisibility) { setVisible(aVisibility); }

signals:
    // The user wants the photo out of the book, files and all.
    void deleteClicked(const std::shared_ptr<PhotoImage>& photo);

private:
    std::shared_ptr<PhotoImage> mPhoto;
    QToolButton* mDeletePhotoButton;
};
