#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// What the order window reads out of the service's documents.

// The order id in the verification answer (the document's text): the text
// between the first "[(" and the first ")]". None for a refused code
// ("INVALID"), a missing marker, or an id unfit for the order file and the
// addresses (IsSafeServiceToken).
std::optional<QString> OrderIdFromVerifyAnswer(const QString& documentText);

// The cover picked on the cover page: of the elements' inner HTML in
// document order, the first that begins with "cover:", without that prefix.
// Empty when none does or the value is unfit (IsSafeServiceToken).
QString CoverFromElements(const QStringList& innerHtml);

// The upload label: caption + " ( n / total ) ".
QString UploadStatusText(const QString& caption, int pageNumber, int pageCount);

// Where the window's children sit for a client area of `size` (at least
// 500 x 440): a strip of controls 100 high above the web view; in the
// payment step the view takes the whole area but its bottom line.
struct OrderWizardGeometry {
    QRect label;    // the prompt of the current step
    QRect input;    // the code input
    QRect progress; // the upload's progress bar, where the input was
    QRect next;
    QRect cancel;
    QRect browser; // the web view in steps 1 to 3
    QRect payment; // the web view in step 4
};
OrderWizardGeometry OrderWizardLayout(QSize size, QSize buttonSize, int inputWidth);

// The web view's size in the payment address: the window's 500 x 440 units
// less one line.
inline constexpr QSize kPaymentViewUnits{500, 439};
inline constexpr QSize kWizardUnits{500, 440};
