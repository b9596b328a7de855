#pragma once

#include "render/check/BookProblem.h"

#include <QDialog>
#include <vector>

class QLabel;
class QTreeWidget;

// Book > Check Book: the problems of the book, a row each (page, what,
// detail), or a plain line when there are none. Not modal; a click on a row
// asks for its page and box.
class BookCheckDialog : public QDialog {
    Q_OBJECT
public:
    explicit BookCheckDialog(QWidget* parent = nullptr);

    void SetProblems(const std::vector<BookProblem>& problems);
    QTreeWidget* List() const { return mList; }
    QLabel* Summary() const { return mSummary; }

signals:
    void problemChosen(int page, ProblemBox box);

private:
    QLabel* mSummary;
    QTreeWidget* mList;
    std::vector<BookProblem> mProblems;
};
