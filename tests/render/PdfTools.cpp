#include "PdfTools.h"

#include <QProcess>
#include <QRegularExpression>

namespace PdfTools {

ToolRun Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    return run;
}

QString Info(const QString& pdf, const QString& field) {
    for (const QString& line : Run(QStringLiteral("pdfinfo"), {pdf}).out.split(u'\n'))
        if (line.startsWith(field + u':'))
            return line.mid(field.size() + 1).trimmed();
    return {};
}

QString PageText(const QString& pdf, int page) {
    const QString number = QString::number(page);
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"),
                                             number, pdf, QStringLiteral("-")})
        .out;
}

QList<QStringList> Images(const QString& pdf) {
    QList<QStringList> rows;
    const QStringList lines = Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                  .out.split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lines.size(); ++i) // below the heading and its rule
        rows << lines[i].split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    return rows;
}

} // namespace PdfTools
