#include "banking/CsvStatement.h"

#include "banking/StatementReading.h"
#include "core/Preferences.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

constexpr int kHeaderSearchLines = 20;

QStringList linesOf(const QByteArray& bytes, int count)
{
    QStringList lines = StatementReading::decoded(bytes.left(64 * 1024)).split(u'\n');
    lines = lines.mid(0, count);
    for (QString& line : lines)
        line = line.trimmed();
    return lines;
}

// A signed amount as the bank writes it: "-1.234,56", "1234.56-", "(12,50)"; grouping marks
// only between groups of three digits. nullopt when it is none.
std::optional<std::pair<bool, Money>> amountOf(QString text, bool decimalComma)
{
    text.remove(QChar(0xA0));
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith(u'(') && text.endsWith(u')')) {
        negative = true;
        text = text.mid(1, text.size() - 2);
    } else if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.startsWith(u'-');
        text.remove(0, 1);
    } else if (text.endsWith(u'-')) {
        negative = true;
        text.chop(1);
    }
    static const QRegularExpression comma(
        QStringLiteral("^(\\d{1,3}([.' ]\\d{3})*|\\d+)(,\\d{1,4})?$"));
    static const QRegularExpression point(
        QStringLiteral("^(\\d{1,3}([,' ]\\d{3})*|\\d+)(\\.\\d{1,4})?$"));
    if (!(decimalComma ? comma : point).match(text).hasMatch())
        return std::nullopt;
    text.remove(decimalComma ? u'.' : u',').remove(u'\'').remove(u' ');
    const std::optional<Money> money = Money::parse(text.replace(u',', u'.'));
    if (!money)
        return std::nullopt;
    return std::pair{negative, *money};
}

QString cell(const QStringList& row, int column)
{
    return column >= 0 && column < row.size() ? row[column].trimmed() : QString();
}

// The entry of one row, or why it is none.
Result<StatementEntry> entryOf(const QStringList& row, const CsvMapping& mapping)
{
    int needed = 0;
    for (const int column :
         {mapping.date, mapping.amount, mapping.credit, mapping.debit, mapping.text,
          mapping.reference, mapping.counterparty, mapping.currency})
        needed = std::max(needed, column + 1);
    if (row.size() < needed)
        return Failure{QCoreApplication::translate(
                           "StatementFiles", "it has %1 columns where the bank's mapping reads %2.")
                           .arg(row.size())
                           .arg(needed)};
    StatementEntry entry;
    entry.bookedOn = QDate::fromString(cell(row, mapping.date), mapping.dateFormat);
    if (!entry.bookedOn.isValid())
        return Failure{
            QCoreApplication::translate("StatementFiles", "its date \"%1\" is no date written %2.")
                .arg(cell(row, mapping.date).left(40), mapping.dateFormat)};
    const bool separate = mapping.amount < 0;
    const QString in = cell(row, separate ? mapping.credit : mapping.amount);
    const QString out = separate ? cell(row, mapping.debit) : QString();
    // Some banks write 0,00 in the column a line does not use.
    const auto inAmount = amountOf(in, mapping.decimalComma);
    const bool useIn = !in.isEmpty() && !(inAmount && inAmount->second.isZero() && !out.isEmpty());
    const QString written = useIn ? in : out;
    const auto amount = useIn ? inAmount : amountOf(written, mapping.decimalComma);
    if (!amount)
        return Failure{
            QCoreApplication::translate("StatementFiles", "its amount \"%1\" is no amount.")
                .arg(written.left(40))};
    entry.amount = amount->second;
    entry.credit = separate ? useIn && !amount->first : !amount->first;
    entry.currency =
        mapping.currency >= 0 ? cell(row, mapping.currency).toUpper() : mapping.defaultCurrency;
    entry.remittance = cell(row, mapping.text).simplified();
    entry.counterparty = cell(row, mapping.counterparty).simplified();
    entry.bankRef = cell(row, mapping.reference);
    return entry;
}

} // namespace

bool CsvMapping::usable() const
{
    return date >= 0 && (amount >= 0 || credit >= 0 || debit >= 0) && headerRow >= 0 &&
           !dateFormat.isEmpty();
}

QString CsvMapping::toJson() const
{
    const QJsonObject object{{"delimiter", QString(delimiter)},
                             {"headerRow", headerRow},
                             {"dateFormat", dateFormat},
                             {"decimalComma", decimalComma},
                             {"date", date},
                             {"amount", amount},
                             {"credit", credit},
                             {"debit", debit},
                             {"text", text},
                             {"reference", reference},
                             {"counterparty", counterparty},
                             {"currency", currency},
                             {"defaultCurrency", defaultCurrency}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

std::optional<CsvMapping> CsvMapping::fromJson(const QString& json)
{
    const QJsonObject o = QJsonDocument::fromJson(json.toUtf8()).object();
    const QString delimiter = o.value("delimiter").toString();
    if (delimiter.size() != 1)
        return std::nullopt;
    CsvMapping m;
    m.delimiter = delimiter[0];
    m.headerRow = o.value("headerRow").toInt(-1);
    m.dateFormat = o.value("dateFormat").toString();
    m.decimalComma = o.value("decimalComma").toBool();
    int* columns[] = {&m.date, &m.amount,    &m.credit,       &m.debit,
                      &m.text, &m.reference, &m.counterparty, &m.currency};
    const char* names[] = {"date", "amount",    "credit",       "debit",
                           "text", "reference", "counterparty", "currency"};
    for (std::size_t i = 0; i < std::size(columns); ++i)
        *columns[i] = std::clamp(o.value(QLatin1String(names[i])).toInt(-1), -1, 1000);
    m.defaultCurrency = o.value("defaultCurrency").toString().left(3);
    return m.usable() ? std::optional(m) : std::nullopt;
}

namespace CsvStatement {

Result<QList<QStringList>> rows(const QString& text, QChar delimiter, qsizetype maxRows)
{
    QList<QStringList> out;
    QStringList row;
    QString field;
    bool quoted = false;
    bool any = false; // the row has a field or a delimiter
    for (qsizetype i = 0; i < text.size() && (maxRows < 0 || out.size() < maxRows); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = any = true;
        } else if (c == delimiter) {
            row << field;
            field.clear();
            any = true;
        } else if (c == u'\n') {
            if (any || !field.trimmed().isEmpty())
                out << (row << field);
            row.clear();
            field.clear();
            any = false;
        } else if (c != u'\r') {
            field += c;
            any = any || !c.isSpace();
        }
    }
    if (quoted)
        return Failure{
            QCoreApplication::translate("StatementFiles", "a quoted field is never closed.")};
    if (any || !field.trimmed().isEmpty())
        out << (row << field);
    return out;
}

QChar guessDelimiter(const QString& line)
{
    QChar best = u';';
    qsizetype most = 0;
    for (const QChar candidate : {u';', u',', u'\t'}) {
        if (line.count(candidate) > most) {
            most = line.count(candidate);
            best = candidate;
        }
    }
    return best;
}

QString keyOf(const QString& headerLine)
{
    const QByteArray digest =
        QCryptographicHash::hash(headerLine.simplified().toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("csvStatement/") + QString::fromLatin1(digest.left(8).toHex());
}

std::optional<CsvMapping> remembered(const QByteArray& bytes, const Preferences& preferences)
{
    const QStringList lines = linesOf(bytes, kHeaderSearchLines);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QString json = preferences.value(keyOf(lines[i]));
        if (json.isEmpty())
            continue;
        std::optional<CsvMapping> mapping = CsvMapping::fromJson(json);
        if (mapping)
            mapping->headerRow = int(i);
        return mapping;
    }
    return std::nullopt;
}

Status remember(const QByteArray& bytes, const CsvMapping& mapping, Preferences& preferences)
{
    const QStringList lines = linesOf(bytes, mapping.headerRow + 1);
    if (mapping.headerRow >= lines.size() || lines[mapping.headerRow].isEmpty())
        return Failure{
            QCoreApplication::translate("StatementFiles", "the file has no header line %1.")
                .arg(mapping.headerRow + 1)};
    return preferences.setValue(keyOf(lines[mapping.headerRow]), mapping.toJson());
}

Result<Statement> read(const QByteArray& bytes, const CsvMapping& mapping)
{
    if (const QString large = StatementReading::tooLarge(bytes.size()); !large.isEmpty())
        return Failure{large};
    QString text = StatementReading::decoded(bytes);
    // The preamble and the header are whole lines before the rows.
    for (int skipped = 0; skipped <= mapping.headerRow && !text.isEmpty(); ++skipped) {
        const qsizetype end = text.indexOf(u'\n');
        text = end < 0 ? QString() : text.mid(end + 1);
    }
    const Result<QList<QStringList>> lines =
        rows(text, mapping.delimiter, StatementReading::kMaxEntries + 1);
    if (!lines)
        return Failure{lines.error()};
    if (lines->size() > StatementReading::kMaxEntries)
        return Failure{StatementReading::tooManyEntries()};
    Statement statement;
    statement.currency = mapping.currency < 0 ? mapping.defaultCurrency : QString();
    StatementReading::MadeReferences made;
    for (qsizetype i = 0; i < lines->size(); ++i) {
        Result<StatementEntry> entry = entryOf(lines->at(i), mapping);
        if (!entry)
            return Failure{
                QCoreApplication::translate("StatementFiles", "row %1 after the header: %2")
                    .arg(i + 1)
                    .arg(entry.error())};
        if (entry->bankRef.isEmpty())
            entry->bankRef = made.next(*entry);
        statement.entries.append(*entry);
    }
    return statement;
}

} // namespace CsvStatement
