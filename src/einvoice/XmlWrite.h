#pragma once

#include "core/Money.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QXmlStreamWriter>

// What the CII and UBL writers share: text that XML 1.0 can carry, amounts in the form the
// syntaxes want ('.' as the point, no grouping, never the locale's), and an element writer that
// leaves out empty optional terms.
namespace XmlWrite {

// `text` without the characters XML 1.0 cannot carry (controls other than tab, line feed and
// carriage return, lone surrogates, U+FFFE and U+FFFF). The escaping of &, < and > is left to
// QXmlStreamWriter.
QString clean(const QString& text);

// True when `text` has something to write once cleaned and trimmed: an optional term is
// written, and a required one is present, only then.
bool has(const QString& text);

// An amount with exactly two decimals: "1234.50", "-0.05". Rounded half to even to cents.
QString amount(Money value);
// An amount with two to four decimals, as many as it needs: "10.1234", "10.50", "10.00".
QString price(Money value);
// A percentage or quantity in its shortest form: "17.5", "20", "1".
QString decimal(Money value);

QString date102(const QDate& date); // CII format 102: "20261203"
QString isoDate(const QDate& date); // UBL: "2026-12-03"

// A QXmlStreamWriter into a byte array, UTF-8, indented, with helpers for the optional terms.
class Writer {
public:
    Writer();
    QXmlStreamWriter& xml() { return m_xml; }
    // <name>text</name>, or nothing when `text` is empty after cleaning.
    void optional(const QString& name, const QString& text);
    // <name attribute="value">text</name>, or nothing when `text` is empty after cleaning.
    void optional(const QString& name, const QString& text, const QString& attribute,
                  const QString& value);
    // <name>text</name> for a term that is always written.
    void element(const QString& name, const QString& text);
    void start(const QString& name) { m_xml.writeStartElement(name); }
    void end() { m_xml.writeEndElement(); }
    // The finished document; empty when the stream writer failed.
    QByteArray finish();

private:
    QByteArray m_bytes;
    QXmlStreamWriter m_xml;
};

} // namespace XmlWrite
