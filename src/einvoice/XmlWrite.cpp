#include "einvoice/XmlWrite.h"

namespace XmlWrite {
namespace {

bool carried(char32_t c)
{
    if (c < 0x20)
        return c == 0x09 || c == 0x0A || c == 0x0D;
    if (c >= 0xD800 && c <= 0xDFFF) // a surrogate left alone by toUcs4()
        return false;
    return c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

// `value` (ten-thousandths) as text with `decimals` places, 2 or 4; the caller rounds first.
QString fixed(Money value, int decimals)
{
    const qint64 units = value.units();
    // The magnitude of the most negative count still fits in an unsigned 64-bit number.
    const quint64 magnitude = units < 0 ? 0 - quint64(units) : quint64(units);
    QString text = units < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / quint64(Money::kScale));
    const quint64 fraction = magnitude % quint64(Money::kScale);
    const QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
    text += QLatin1Char('.') + digits.left(decimals);
    return text;
}

} // namespace

QString clean(const QString& text)
{
    bool allCarried = true;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.isSurrogate() || c.unicode() >= 0xFFFE) {
            allCarried = false;
            break;
        }
    }
    if (allCarried)
        return text;
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (carried(c))
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

bool has(const QString& text)
{
    return !clean(text).trimmed().isEmpty();
}

QString amount(Money value)
{
    return fixed(value.roundedToCents(), 2);
}

QString price(Money value)
{
    QString text = fixed(value, 4);
    while (text.endsWith(QLatin1Char('0')) && text.indexOf(QLatin1Char('.')) < text.size() - 3)
        text.chop(1);
    return text;
}

QString decimal(Money value)
{
    return value.toPlainString();
}

QString date102(const QDate& date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

QString isoDate(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

Writer::Writer()
    : m_xml(&m_bytes)
{
    m_xml.setAutoFormatting(true);
    m_xml.setAutoFormattingIndent(2);
    m_xml.writeStartDocument();
}

void Writer::optional(const QString& name, const QString& text)
{
    const QString cleaned = clean(text).trimmed();
    if (!cleaned.isEmpty())
        m_xml.writeTextElement(name, cleaned);
}

void Writer::optional(const QString& name, const QString& text, const QString& attribute,
                      const QString& value)
{
    const QString cleaned = clean(text).trimmed();
    if (cleaned.isEmpty())
        return;
    m_xml.writeStartElement(name);
    m_xml.writeAttribute(attribute, clean(value));
    m_xml.writeCharacters(cleaned);
    m_xml.writeEndElement();
}

void Writer::element(const QString& name, const QString& text)
{
    m_xml.writeTextElement(name, clean(text).trimmed());
}

QByteArray Writer::finish()
{
    m_xml.writeEndDocument();
    if (m_xml.hasError())
        return {};
    return m_bytes;
}

} // namespace XmlWrite
