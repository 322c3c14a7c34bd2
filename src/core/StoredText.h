#pragma once

#include <QString>

// Text typed by the user has always been stored without its single quotes: O'Brien is kept
// as OBrien. Values are still bound, never pasted into SQL; this is the visible rule only.
inline QString withoutSingleQuotes(const QString& text)
{
    return QString(text).remove(u'\'');
}

// The text as SQLite can keep it: every surrogate that is not half of a pair, and the
// noncharacters U+FFFE and U+FFFF, become U+FFFD. A lone surrogate is no character, so no
// encoding can store it, and read as half of a pair it would swallow the character after it;
// SQLite reads the two noncharacters back as U+FFFD itself. Everything else, pairs included,
// is left as it is.
inline QString storableText(const QString& text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (c.isHighSurrogate() && i + 1 < out.size() && out.at(i + 1).isLowSurrogate())
            ++i; // a pair: one astral character
        else if (c.isSurrogate() || c.unicode() >= 0xFFFE)
            out[i] = QChar::ReplacementCharacter;
    }
    return out;
}

// A text as it is bound to an SQLite statement, so that SQLite stores exactly the characters
// given (see storableText). Qt's driver hands every text to SQLite as UTF-16, and there SQLite
// takes a first U+FEFF for a byte-order mark and drops it. A mark of our own, in the machine's
// order, goes first, so SQLite drops that one and keeps the text whole.
inline QString boundText(const QString& text)
{
    QString valid = storableText(text);
    if (valid.startsWith(QChar::ByteOrderMark))
        valid.prepend(QChar::ByteOrderMark);
    return valid;
}
