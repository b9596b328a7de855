#include "ui/mainwindow/BookChecks.h"

#include "render/check/BookCheckWatch.h"
#include "render/check/BookProblemText.h"
#include "ui/bookview/BookView.h"
#include "ui/mainwindow/WindowPrompts.h"
#include "ui/mainwindow/dialogs/BookCheckDialog.h"

namespace {

constexpr int kMargin = 12;

} // namespace

BookChecks::BookChecks(BookManager& books, const Templates& catalogue, BookView& view,
                       const WindowPrompts& prompts)
    : mView(view), mPrompts(prompts), mWatch(new BookCheckWatch(books, catalogue, this)) {}

BookChecks::~BookChecks() = default;

void BookChecks::Open() {
    if (!mDialog) {
        mDialog = new BookCheckDialog(mPrompts.Owner());
        connect(mWatch, &BookCheckWatch::checked, mDialog, &BookCheckDialog::SetProblems);
        connect(mDialog, &BookCheckDialog::problemChosen, &mView, &BookView::ShowProblem);
        connect(mDialog, &QDialog::finished, mWatch, [this] { mWatch->SetFollowing(false); });
        // At the window's lower left, beside the pages it shows.
        if (const QWidget* owner = mPrompts.Owner())
            mDialog->move(
                owner->mapToGlobal(QPoint(kMargin, owner->height() - mDialog->height() - kMargin)));
    }
    mWatch->SetFollowing(true);
    mWatch->CheckNow();
    mDialog->show();
    mDialog->raise();
    mDialog->activateWindow();
}

bool BookChecks::LetGoOn() {
    const auto problems = mWatch->CheckNow();
    if (problems.empty())
        return true;
    const QString found = BookProblemText::Count(qsizetype(problems.size())) +
                          QStringLiteral("\n\n") +
                          tr("They may come out badly in print. Look at them first?");
    if (!mPrompts.OfferProblems(found))
        return true;
    Open();
    return false;
}
