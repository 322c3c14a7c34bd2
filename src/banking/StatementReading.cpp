#include "banking/StatementReading.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QStringDecoder>

namespace StatementReading {

QString tooLarge(qsizetype size)
{
    if (size <= kMaxBytes)
        return {};
    return QCoreApplication::translate("StatementFiles",
                                       "it is larger than %L1 MB, more than a statement holds.")
        .arg(kMaxBytes / (1024 * 1024));
}

QString tooManyEntries()
{
    return QCoreApplication::translate("StatementFiles",
                                       "it has more than %L1 entries, more than Billcraft reads.")
        .arg(kMaxEntries);
}

QString decoded(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QString MadeReferences::next(const StatementEntry& entry)
{
    const QString key = QStringList{entry.bookedOn.toString(Qt::ISODate),
                                    entry.credit ? QStringLiteral("C") : QStringLiteral("D"),
                                    entry.amount.toPlainString(),
                                    entry.currency,
                                    entry.counterparty,
                                    entry.remittance}
                            .join(QChar(0x1F));
    const int ordinal = m_seen[key]++;
    const QByteArray digest = QCryptographicHash::hash(
        (key + QChar(0x1F) + QString::number(ordinal)).toUtf8(), QCryptographicHash::Sha256);
    // 80 bits: two different entries of one identity's statements never meet on one.
    return QStringLiteral("MADE-") + QString::fromLatin1(digest.left(10).toHex()).toUpper();
}

} // namespace StatementReading
