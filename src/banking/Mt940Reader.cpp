#include "banking/Mt940Reader.h"

#include "banking/StatementReading.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace Mt940Reader {
namespace {

struct Field {
    QString tag;  // "61", "60F"
    QString text; // lines after the first joined by '\n'
};

// The fields of every message, the blocks around them dropped.
QList<Field> fieldsOf(const QString& text)
{
    static const QRegularExpression fieldStart(QStringLiteral("^:(\\d\\d[A-Z]?):(.*)$"));
    QList<Field> fields;
    bool inField = false;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (const qsizetype body = line.indexOf(u"{4:"); body >= 0)
            line = line.mid(body + 3);
        if (line.startsWith(u'-') || line.startsWith(u'{')) { // end of a message, or its trailer
            inField = false;
            continue;
        }
        const QRegularExpressionMatch start = fieldStart.match(line);
        if (start.hasMatch()) {
            fields.append({start.captured(1), start.captured(2)});
            inField = true;
        } else if (inField && !line.isEmpty()) {
            fields.last().text += u'\n' + line;
        }
    }
    return fields;
}

// 20YY: MT940 files are of this century.
QDate dateOf(QStringView yymmdd)
{
    return QDate(2000 + yymmdd.left(2).toInt(), yymmdd.mid(2, 2).toInt(), yymmdd.mid(4, 2).toInt());
}

// The booking date MMDD beside a value date: the same year, or the one before or after when
// the two straddle New Year.
QDate entryDate(QDate valueDate, QStringView mmdd)
{
    const int month = mmdd.left(2).toInt();
    int year = valueDate.year();
    if (month - valueDate.month() > 6)
        --year;
    else if (valueDate.month() - month > 6)
        ++year;
    return QDate(year, month, mmdd.mid(2, 2).toInt());
}

Result<StatementEntry> entryOf(const QString& field, const QString& currency)
{
    const QString line = field.section(u'\n', 0, 0);
    const auto damaged = [&line](const char* reason) {
        return QCoreApplication::translate("StatementFiles", "the :61: line \"%1\" is damaged: %2")
            .arg(line.left(60), QCoreApplication::translate("StatementFiles", reason));
    };
    static const QRegularExpression head(
        QStringLiteral("^(\\d{6})(\\d{4})?(RC|RD|C|D)([A-Z])?([0-9,]*)(.*)$"));
    const QRegularExpressionMatch parts = head.match(line);
    if (!parts.hasMatch())
        return Failure{
            damaged(QT_TRANSLATE_NOOP("StatementFiles", "no date and credit or debit mark."))};
    StatementEntry entry;
    const QDate valueDate = dateOf(parts.capturedView(1));
    entry.bookedOn =
        parts.capturedLength(2) ? entryDate(valueDate, parts.capturedView(2)) : valueDate;
    if (!valueDate.isValid() || !entry.bookedOn.isValid())
        return Failure{damaged(QT_TRANSLATE_NOOP("StatementFiles", "its date is impossible."))};
    entry.credit = parts.captured(3) == u"C";
    static const QRegularExpression amountForm(QStringLiteral("^\\d{1,14},\\d{0,4}$"));
    QString amount = parts.captured(5);
    if (!amountForm.match(amount).hasMatch())
        return Failure{damaged(QT_TRANSLATE_NOOP("StatementFiles", "its amount is no amount."))};
    const std::optional<Money> money = Money::parse(amount.replace(u',', u'.'));
    if (!money)
        return Failure{damaged(QT_TRANSLATE_NOOP("StatementFiles", "its amount is no amount."))};
    entry.amount = *money;
    entry.currency = currency;
    // The transaction type (four characters), the customer's reference, then the bank's.
    const QString rest = parts.captured(6).mid(4);
    const qsizetype bank = rest.indexOf(u"//");
    if (bank >= 0) {
        entry.bankRef = rest.mid(bank + 2).trimmed();
        if (entry.bankRef == u"NONREF")
            entry.bankRef.clear();
    }
    return entry;
}

// The pieces of a structured text ("166?00GUTSCHRIFT?20Invoice 0100?32Name"), by their
// sub-field numbers. Its line breaks only wrap it.
QList<std::pair<int, QString>> subFields(QString text)
{
    text.remove(u'\n');
    QList<std::pair<int, QString>> pieces;
    static const QRegularExpression mark(QStringLiteral("\\?(\\d\\d)"));
    QRegularExpressionMatchIterator marks = mark.globalMatch(text);
    QRegularExpressionMatch previous;
    while (marks.hasNext()) {
        const QRegularExpressionMatch next = marks.next();
        if (previous.hasMatch())
            pieces.append(
                {previous.captured(1).toInt(),
                 text.mid(previous.capturedEnd(), next.capturedStart() - previous.capturedEnd())});
        previous = next;
    }
    if (previous.hasMatch())
        pieces.append({previous.captured(1).toInt(), text.mid(previous.capturedEnd())});
    return pieces;
}

// Banks cut the text into sub-fields of 27 characters wherever the 27th falls, mid-word too:
// a full piece runs on into the next, a shorter one ended at a word.
void append(QString& text, const QString& piece)
{
    constexpr qsizetype kWidth = 27;
    if (!text.isEmpty() && !text.endsWith(QChar(0x1F)))
        text += u' ';
    text += piece;
    if (piece.size() >= kWidth)
        text += QChar(0x1F);
}

void addDetails(StatementEntry& entry, const QString& text)
{
    static const QRegularExpression structured(QStringLiteral("^\\d{3}\\?"));
    if (!structured.match(text).hasMatch()) {
        entry.remittance = QString(text).replace(u'\n', u' ').simplified();
        return;
    }
    QString remittance;
    QString name;
    for (const auto& [number, piece] : subFields(text)) {
        if ((number >= 20 && number <= 29) || (number >= 60 && number <= 63))
            append(remittance, piece);
        else if (number == 32 || number == 33)
            append(name, piece);
    }
    entry.remittance = remittance.remove(QChar(0x1F)).simplified();
    entry.counterparty = name.remove(QChar(0x1F)).simplified();
}

} // namespace

bool looksLike(const QByteArray& bytes)
{
    QByteArray start = bytes.left(64);
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    start = start.trimmed();
    return start.startsWith("{1:") || start.startsWith(":20:");
}

Result<Statement> read(const QByteArray& bytes)
{
    if (const QString large = StatementReading::tooLarge(bytes.size()); !large.isEmpty())
        return Failure{large};
    Statement statement;
    QString currency;
    bool lastWasEntry = false;
    int statements = 0;
    for (const Field& field : fieldsOf(StatementReading::decoded(bytes))) {
        if (field.tag == u"20") {
            ++statements;
        } else if (field.tag == u"25" && statement.account.isEmpty()) {
            statement.account = field.text.trimmed();
        } else if (field.tag == u"60F" || field.tag == u"60M") {
            currency = field.text.mid(7, 3);
            static const QRegularExpression code(QStringLiteral("^[A-Z]{3}$"));
            if (!code.match(currency).hasMatch())
                return Failure{QCoreApplication::translate(
                                   "StatementFiles", "the balance \":%1:%2\" names no currency.")
                                   .arg(field.tag, field.text.left(40))};
            if (statement.currency.isEmpty())
                statement.currency = currency;
        } else if (field.tag == u"61") {
            if (statement.entries.size() >= StatementReading::kMaxEntries)
                return Failure{StatementReading::tooManyEntries()};
            Result<StatementEntry> entry = entryOf(field.text, currency);
            if (!entry)
                return Failure{entry.error()};
            statement.entries.append(*entry);
        } else if (field.tag == u"86" && lastWasEntry) {
            addDetails(statement.entries.last(), field.text);
        }
        lastWasEntry = field.tag == u"61";
    }
    if (statements == 0)
        return Failure{QCoreApplication::translate("StatementFiles",
                                                   "it holds no MT940 statement (no :20: field).")};
    StatementReading::MadeReferences made;
    for (StatementEntry& entry : statement.entries) {
        if (entry.bankRef.isEmpty())
            entry.bankRef = made.next(entry);
    }
    return statement;
}

} // namespace Mt940Reader
