#include "banking/StatementFiles.h"

#include "banking/CamtReader.h"
#include "banking/Mt940Reader.h"
#include "banking/StatementReading.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace StatementFiles {
namespace {

Failure failed(const QString& path, const QString& reason)
{
    return Failure{QCoreApplication::translate("StatementFiles", "%1 cannot be read: %2")
                       .arg(QFileInfo(path).fileName(), reason)};
}

Result<Statement> named(const QString& path, Result<Statement> read)
{
    if (!read)
        return failed(path, read.error());
    return read;
}

} // namespace

Result<QByteArray> load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(path, file.errorString());
    if (!file.isSequential()) {
        if (const QString large = StatementReading::tooLarge(file.size()); !large.isEmpty())
            return failed(path, large);
    }
    QByteArray bytes = file.read(StatementReading::kMaxBytes + 1);
    if (const QString large = StatementReading::tooLarge(bytes.size()); !large.isEmpty())
        return failed(path, large);
    if (file.error() != QFileDevice::NoError)
        return failed(path, file.errorString());
    return bytes;
}

Format formatOf(const QByteArray& bytes)
{
    QByteArray start = bytes.left(256);
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    if (CamtReader::looksLike(bytes) || start.trimmed().startsWith('<'))
        return Format::Camt053;
    if (Mt940Reader::looksLike(bytes))
        return Format::Mt940;
    return Format::Csv;
}

Result<Statement> readCsv(const QString& path, const QByteArray& bytes, const CsvMapping& mapping)
{
    return named(path, CsvStatement::read(bytes, mapping));
}

Result<Statement> read(const QString& path, const Preferences& preferences)
{
    const Result<QByteArray> bytes = load(path);
    if (!bytes)
        return Failure{bytes.error()};
    return read(path, *bytes, preferences);
}

Result<Statement> read(const QString& path, const QByteArray& bytes, const Preferences& preferences)
{
    switch (formatOf(bytes)) {
    case Format::Camt053:
        return named(path, CamtReader::read(bytes));
    case Format::Mt940:
        return named(path, Mt940Reader::read(bytes));
    case Format::Csv:
        break;
    }
    const std::optional<CsvMapping> mapping = CsvStatement::remembered(bytes, preferences);
    if (!mapping)
        return failed(path, QCoreApplication::translate(
                                "StatementFiles", "it is a CSV file of a bank whose columns are "
                                                  "not known yet: open it once in the window to "
                                                  "set its columns."));
    return readCsv(path, bytes, *mapping);
}

} // namespace StatementFiles
