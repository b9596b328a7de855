#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The upload of a book to the order service, headless:
//
//   lumbra [--books-folder DIR] --upload BOOK ORDER_ID COVER [--start N]
//
// sends pages N + 1 onward (N is the 0-based index to resume from, 0 by
// default), one line per page on stdout, then closes the order with
// "end.php" (or "cancel.php") as the order window does. The service is the
// deployment's (LUMBRA_SERVICE_URL overrides it). Exit code 0 when every
// page went through and the service confirmed the order's end; otherwise
// CommandLineExit's, naming the failed page (the pages count when only the
// end failed: resuming from it sends only "end.php").
bool IsUploadCommand(const QStringList& arguments);

int RunUploadCommand(const QStringList& arguments, const QString& dataFolder, QTextStream& out,
                     QTextStream& err);
