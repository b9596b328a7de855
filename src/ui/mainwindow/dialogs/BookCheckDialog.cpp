#include "ui/mainwindow/dialogs/BookCheckDialog.h"

#include "render/check/BookProblemText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

BookCheckDialog::BookCheckDialog(QWidget* parent)
    : QDialog(parent), mSummary(new QLabel(this)), mList(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("mBookCheckDialog"));
    setWindowTitle(tr("Check Book"));
    mSummary->setWordWrap(true);
    mSummary->setAlignment(Qt::AlignLeft | Qt::AlignTop); // also alone, without the list
    mList->setObjectName(QStringLiteral("mProblemList"));
    mList->setRootIsDecorated(false);
    mList->setUniformRowHeights(true);
    mList->setHeaderLabels({tr("Page"), tr("Problem"), tr("Detail")});
    mList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mList->header()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mList, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const auto row = size_t(mList->indexOfTopLevelItem(item));
        if (row < mProblems.size())
            emit problemChosen(mProblems[row].page, mProblems[row].box);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mSummary);
    layout->addWidget(mList);
    layout->addWidget(buttons);
    resize(600, 300);
}

void BookCheckDialog::SetProblems(const std::vector<BookProblem>& problems) {
    mProblems = problems;
    mList->clear();
    for (const BookProblem& problem : problems)
        mList->addTopLevelItem(new QTreeWidgetItem({QString::number(problem.page + 1),
                                                    BookProblemText::KindName(problem.kind),
                                                    BookProblemText::Detail(problem)}));
    mList->setVisible(!problems.empty());
    // All of it: a list in a window behind another was redrawn only where its current row was.
    mList->viewport()->update();
    mSummary->setText(problems.empty()
                          ? tr("No problems found: the book is ready to print.")
                          : tr("%1. Click a problem to see its page and box.")
                                .arg(BookProblemText::Count(qsizetype(problems.size()))));
}
