#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

class PhotoControl;
class PhotoImage;

// The photos pane: one tile per photo of the current book that stands on no page.
class PhotosControl : public QWidget {
    Q_OBJECT
public:
    explicit PhotosControl(QWidget* parent = nullptr);

    void AddFiles(const QStringList& files, bool showSingleStatusDialog);
    void AddDisplayPhoto(const std::shared_ptr<PhotoImage>& aPhoto);
    void RemoveDisplayPhoto(const std::shared_ptr<PhotoImage>& aPhoto);
    void RemovePhoto(const std::shared_ptr<PhotoImage>& aPhoto);
    PhotoControl* Find(const QString& aKey) const;
};
