#include "tests/support/PdfTools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QString run(const QString& tool, const QStringList& arguments, CallSite where)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QTest::qFail(
            qPrintable(QStringLiteral("%1 %2 failed (poppler-utils installed?): %3")
                           .arg(tool, arguments.join(QLatin1Char(' ')),
                                process.errorString() + QString::fromLocal8Bit(process.readAllStandardError()))),
            where.file, where.line);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QString PdfTools::text(const QString& path, CallSite where)
{
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")},
               where)
        .simplified();
}

QString PdfTools::info(const QString& path, const QString& field, CallSite where)
{
    const QStringList lines = run(QStringLiteral("pdfinfo"), {path}, where).split(QLatin1Char('\n'));
    const QString prefix = field + QLatin1Char(':');
    for (const QString& line : lines) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size()).trimmed();
        }
    }
    return {};
}

int PdfTools::pageCount(const QString& path, CallSite where)
{
    return info(path, QStringLiteral("Pages"), where).toInt();
}

int PdfTools::imageCount(const QString& path, CallSite where)
{
    // Two heading lines, then one line per image; soft masks are listed with the type "smask".
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}, where)
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    int images = 0;
    for (qsizetype index = 2; index < lines.size(); ++index) {
        const QStringList columns = lines.at(index).simplified().split(QLatin1Char(' '));
        if (columns.size() > 2 && columns.at(2) == QLatin1String("image")) {
            ++images;
        }
    }
    return images;
}
