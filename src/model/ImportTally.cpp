#include "model/ImportTally.h"

#include "base/Constants.h"

#include <QCoreApplication>

void ImportTally::Count(const PhotoImportOutcome& outcome) {
    using Status = PhotoImportOutcome::Status;
    switch (outcome.status) {
    case Status::Added: ++added; break;
    case Status::AlreadyExists: ++already; break;
    case Status::Unsupported:
    case Status::Failed: ++notAdded; break;
    }
}

QString ImportTally::Summary() const {
    QString text = QCoreApplication::translate("ImportTally", "%1 added, %2 not added")
                       .arg(added)
                       .arg(notAdded);
    if (already > 0)
        text += QCoreApplication::translate("ImportTally", ", %1 already in the book").arg(already);
    return text;
}

QString ImportStatusLine(const PhotoImportOutcome& outcome, const Constants* strings) {
    using Status = PhotoImportOutcome::Status;
    const auto language = [strings](const char16_t* key) {
        return strings ? strings->Text(key) : QString();
    };
    QString text;
    switch (outcome.status) {
    case Status::Added: text = language(u"cImportStatusAdded"); break;
    case Status::AlreadyExists: text = language(u"cImportStatusAlreadyExist"); break;
    case Status::Unsupported: {
        const QString notSupported = language(u"cImportStatusUnsupportFormat");
        text = outcome.refusal.reason == PhotoRefusal::Reason::None
                   ? notSupported
                   : PhotoRefusalText(outcome.refusal, notSupported);
        break;
    }
    case Status::Failed: text = outcome.failure ? outcome.failure->message : QString(); break;
    }
    return text + QStringLiteral(" :") + outcome.path;
}
