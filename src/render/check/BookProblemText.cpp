#include "render/check/BookProblemText.h"

#include <QtGlobal>

QString ProblemToken(ProblemKind kind) {
    switch (kind) {
    case ProblemKind::LowResolution: return QStringLiteral("low-resolution");
    case ProblemKind::EmptyPhotoBox: return QStringLiteral("empty-photo-box");
    case ProblemKind::EmptyPage: return QStringLiteral("empty-page");
    case ProblemKind::TextOverflow: return QStringLiteral("text-overflow");
    case ProblemKind::PhotoTwice: return QStringLiteral("photo-twice");
    case ProblemKind::TextNearEdge: return QStringLiteral("text-near-edge");
    }
    Q_UNREACHABLE();
}

QString BookProblemText::KindName(ProblemKind kind) {
    switch (kind) {
    case ProblemKind::LowResolution: return tr("Low resolution");
    case ProblemKind::EmptyPhotoBox: return tr("Empty photo box");
    case ProblemKind::EmptyPage: return tr("Empty page");
    case ProblemKind::TextOverflow: return tr("Text does not fit");
    case ProblemKind::PhotoTwice: return tr("Photo used twice");
    case ProblemKind::TextNearEdge: return tr("Text near the edge");
    }
    Q_UNREACHABLE();
}

namespace {

QString NearEdgeDetail(const BookProblem& problem) {
    const QString mm = QString::number(problem.edgeMm, 'f', 1);
    const int box = problem.box.index + 1;
    switch (problem.edge) {
    case PageEdge::Left:
        return BookProblemText::tr("text box %1: %2 mm from the left edge").arg(box).arg(mm);
    case PageEdge::Top:
        return BookProblemText::tr("text box %1: %2 mm from the top edge").arg(box).arg(mm);
    case PageEdge::Right:
        return BookProblemText::tr("text box %1: %2 mm from the right edge").arg(box).arg(mm);
    case PageEdge::Bottom:
        return BookProblemText::tr("text box %1: %2 mm from the bottom edge").arg(box).arg(mm);
    }
    Q_UNREACHABLE();
}

QString OverflowDetail(const BookProblem& problem) {
    const int box = problem.box.index + 1;
    if (problem.linesCut < 0)
        return BookProblemText::tr("text box %1: the text is cut").arg(box);
    if (problem.linesCut == 1)
        return BookProblemText::tr("text box %1: 1 line cut").arg(box);
    return BookProblemText::tr("text box %1: %2 lines cut").arg(box).arg(problem.linesCut);
}

} // namespace

QString BookProblemText::Detail(const BookProblem& problem) {
    const int box = problem.box.index + 1;
    switch (problem.kind) {
    case ProblemKind::LowResolution:
        return tr("photo box %1: %2 pixels per inch, %3 needed")
            .arg(box)
            .arg(problem.pixelsPerInch)
            .arg(problem.neededPerInch);
    case ProblemKind::EmptyPhotoBox: return tr("photo box %1 has no photo").arg(box);
    case ProblemKind::EmptyPage: return tr("nothing on the page");
    case ProblemKind::TextOverflow: return OverflowDetail(problem);
    case ProblemKind::PhotoTwice:
        return tr("photo box %1: the same photo as on page %2").arg(box).arg(problem.firstPage + 1);
    case ProblemKind::TextNearEdge: return NearEdgeDetail(problem);
    }
    Q_UNREACHABLE();
}

QString BookProblemText::Line(const BookProblem& problem) {
    return QStringLiteral("page %1: %2: ").arg(problem.page + 1).arg(ProblemToken(problem.kind)) +
           Detail(problem);
}

QString BookProblemText::Count(qsizetype count) {
    if (count == 0)
        return tr("No problems found");
    if (count == 1)
        return tr("1 problem found");
    return tr("%1 problems found").arg(count);
}
