#include "banking/ui/StatementOpening.h"

#include "banking/StatementFiles.h"
#include "banking/ui/CsvMappingDialog.h"
#include "core/Prompter.h"
#include "core/ui/Session.h"

#include <QCoreApplication>

namespace {

// The mapping of a CSV file's bank: the one remembered, or the one the user sets now (and
// Billcraft remembers). nullopt when the user cancelled.
std::optional<CsvMapping> mappingFor(Session& session, const QByteArray& bytes, QWidget* parent)
{
    if (std::optional<CsvMapping> known = CsvStatement::remembered(bytes, session.preferences()))
        return known;
    const QString currency = session.locale().locale().currencySymbol(QLocale::CurrencyIsoCode);
    CsvMappingDialog dialog(bytes, currency, session.prompter(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const CsvMapping mapping = dialog.mapping();
    // Not remembered is only a convenience lost: the statement is still read.
    if (const Status kept = CsvStatement::remember(bytes, mapping, session.preferences()); !kept)
        session.prompter().inform(
            QCoreApplication::translate("StatementOpening",
                                        "The bank's columns could not be remembered: %1")
                .arg(kept.error()),
            {}, Prompter::Icon::Warning);
    return mapping;
}

} // namespace

std::optional<Statement> openStatement(Session& session, QWidget* parent)
{
    Prompter::FileRequest request{
        QCoreApplication::translate("StatementOpening", "Match bank statement"), {}, {}, {}};
    request.filters = {
        QCoreApplication::translate("StatementOpening",
                                    "Bank statements (*.xml *.sta *.mt940 *.txt *.csv)"),
        QCoreApplication::translate("StatementOpening", "camt.053 (*.xml)"),
        QCoreApplication::translate("StatementOpening", "MT940 (*.sta *.mt940 *.txt)"),
        QCoreApplication::translate("StatementOpening", "CSV (*.csv)"),
        QCoreApplication::translate("StatementOpening", "All files (*)")};
    const std::optional<QString> path = session.prompter().openFileName(request);
    if (!path)
        return std::nullopt;
    const Result<QByteArray> bytes = StatementFiles::load(*path);
    Result<Statement> read = Failure{bytes.error()};
    if (bytes && StatementFiles::formatOf(*bytes) == StatementFiles::Format::Csv) {
        const std::optional<CsvMapping> mapping = mappingFor(session, *bytes, parent);
        if (!mapping)
            return std::nullopt;
        read = StatementFiles::readCsv(*path, *bytes, *mapping);
    } else if (bytes) {
        read = StatementFiles::read(*path, *bytes, session.preferences());
    }
    if (!read) {
        session.prompter().inform(read.error(), {}, Prompter::Icon::Warning);
        return std::nullopt;
    }
    return *read;
}
