#include "model/PageDisplayHost.h"

#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Pages hand photos to the book session: it tells an observer, or resets the
// photo itself without one, and announces each photo to the photos pane.
TEST(SessionDisplayHostTest, HandsPhotosToItsObserverAndResetsThemWithoutOne) {
    QTemporaryDir books;
    PhotoFolder folder;
    RecordingHost pane;
    const auto aPage = std::make_shared<Page>();
    const auto photo = folder.Make(1);
    for (PageDisplayHost* observer : std::vector<PageDisplayHost*>{&pane, nullptr}) {
        SCOPED_TRACE(observer ? "observer" : "none");
        BookManager manager(books.path() + u'/', TestCatalogue(), nullptr, observer);
        BookSession& host = manager.Session();
        QSignalSpy shown(&host, &BookSession::photoShown);
        QSignalSpy hidden(&host, &BookSession::photoHidden);
        photo->SetPage(aPage);
        photo->SetRatio(0.5f);
        host.AddDisplayPhoto(photo);
        host.RemoveDisplayPhoto(photo);
        EXPECT_EQ(shown.count(), 1);
        EXPECT_EQ(hidden.count(), 1);
        EXPECT_EQ(photo->GetPage(), nullptr);
        EXPECT_EQ(photo->ratio(), 1.0f);
    }
    EXPECT_EQ(pane.added, QStringList{photo->GetKey()});
    EXPECT_EQ(pane.removed, QStringList{photo->GetKey()});
}
