#include "ui/order/OrderAnswers.h"

#include "online/AnswerMarker.h"
#include "online/ServiceAddress.h"

#include <algorithm>

std::optional<QString> OrderIdFromVerifyAnswer(const QString& documentText) {
    const QString text = documentText.trimmed();
    if (!text.contains(QLatin1String("[(")))
        return std::nullopt;
    const std::optional<QString> token = ReadAnswerMarker(text.toUtf8());
    if (!token || *token == QLatin1String("INVALID") || !IsSafeServiceToken(*token))
        return std::nullopt;
    return token;
}

QString CoverFromElements(const QStringList& innerHtml) {
    const QLatin1String prefix("cover:");
    for (const QString& html : innerHtml) {
        if (!html.startsWith(prefix))
            continue;
        const QString cover = html.mid(prefix.size());
        return IsSafeServiceToken(cover) ? cover : QString();
    }
    return {};
}

QString UploadStatusText(const QString& caption, int pageNumber, int pageCount) {
    return caption + QStringLiteral(" ( %1 / %2 ) ").arg(pageNumber).arg(pageCount);
}

OrderWizardGeometry OrderWizardLayout(QSize size, QSize buttonSize, int inputWidth) {
    const int width = std::max(size.width(), kWizardUnits.width());
    const int height = std::max(size.height(), kWizardUnits.height());
    OrderWizardGeometry g;
    g.label = QRect(10, 10, width - 20, 25);
    g.input = QRect(10, 35, inputWidth, 25);
    g.progress = QRect(10, 35, width - 20, 25);
    g.cancel = QRect(QPoint(width - 10 - buttonSize.width(), 70), buttonSize);
    g.next = QRect(QPoint(g.cancel.left() - 10 - buttonSize.width(), 70), buttonSize);
    g.browser = QRect(0, 100, width, height - 100);
    g.payment = QRect(0, 0, width, height - 1);
    return g;
}
