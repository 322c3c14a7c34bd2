#include "help/HelpDocument.h"

#include "core/SharedFiles.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

// A file cut short or damaged part of the way: the longest run of whole rows before the damage
// that the codec reads as a table of its own once the end mark is put after it. The codec names
// the row it failed in; failing that, row tokens are tried from the end backwards, within a
// budget of bytes decoded, as a long text holds many 0x0D bytes (CR).
std::optional<AdtgTable> salvage(const QByteArray& bytes, const QString& why)
{
    const auto upTo = [&](qsizetype end) { return Adtg::decode(bytes.left(end) + '\x0F'); };
    if (auto whole = upTo(bytes.size()))
        return whole;
    static const QRegularExpression rowAt(QStringLiteral("in the row at offset 0x([0-9a-fA-F]+)"));
    if (const QRegularExpressionMatch m = rowAt.match(why); m.hasMatch()) {
        bool ok = false;
        const qsizetype at = m.captured(1).toLongLong(&ok, 16);
        if (ok && at > 0 && at < bytes.size()) {
            if (auto table = upTo(at))
                return table;
        }
    }
    constexpr qint64 kBudgetBytes = 64 * 1024 * 1024;
    qint64 spent = 0;
    for (qsizetype at = bytes.size() - 1; at > 0 && spent < kBudgetBytes; --at) {
        if (bytes[at] != '\x07' && bytes[at] != '\x0D')
            continue;
        spent += at;
        if (auto table = upTo(at))
            return table;
    }
    return std::nullopt;
}

// The sections of a help table; `withCaption` false for the older file, whose sections are
// captioned by their keys.
Result<QList<HelpSection>> sectionsOf(const AdtgTable& table, bool withCaption)
{
    QStringList names = {QStringLiteral("DisplayOrder"), QStringLiteral("HName"),
                         QStringLiteral("HValue"), QStringLiteral("Parent")};
    if (withCaption)
        names << QStringLiteral("Caption");
    QList<int> at;
    for (const QString& name : std::as_const(names)) {
        at << table.columnIndex(name);
        if (at.last() < 0)
            return Failure{
                QCoreApplication::translate("HelpDocument", "it has no %1 column").arg(name)};
    }
    QList<HelpSection> sections;
    sections.reserve(table.rows.size());
    for (const AdtgRow& row : table.rows) {
        HelpSection s;
        const double order = Adtg::toDouble(row.values.value(at[0]));
        s.displayOrder = std::isfinite(order)
                             ? int(std::clamp(std::round(order), -2147483648.0, 2147483647.0))
                             : 0;
        s.name = row.values.value(at[1]).toString();
        s.text = row.values.value(at[2]).toString();
        s.parent = row.values.value(at[3]).toString();
        s.caption = withCaption ? row.values.value(at[4]).toString() : s.name;
        sections << s;
    }
    return sections;
}

bool sameKey(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

HelpDocument::HelpDocument(SharedFiles& files, QString name)
    : m_files(files)
    , m_name(std::move(name))
{}

bool HelpDocument::exists() const
{
    const Result<bool> there = m_files.exists(m_name);
    return !there || *there;
}

Result<QByteArray> HelpDocument::bytesOf(const QString& name) const
{
    const Result<std::optional<QByteArray>> bytes = m_files.read(name);
    if (!bytes)
        return Failure{bytes.error()};
    if (!*bytes)
        return Failure{tr("%1 could not be read: there is no such file.").arg(name)};
    return **bytes;
}

Result<HelpContents> HelpDocument::read() const
{
    const QString& file = m_name;
    QString why;
    const Result<QByteArray> bytes = bytesOf(m_name);
    if (!bytes)
        return Failure{bytes.error()};
    HelpContents contents;
    std::optional<AdtgTable> table = Adtg::decode(*bytes, &why);
    if (!table) {
        table = salvage(*bytes, why);
        if (!table)
            return Failure{tr("%1 could not be read: %2").arg(file, why)};
        contents.damage = tr("%1 is damaged and could be read only in part (%2).").arg(file, why);
    }
    Result<QList<HelpSection>> sections = sectionsOf(*table, true);
    if (!sections)
        return Failure{tr("%1 is not a help file: %2.").arg(file, sections.error())};
    contents.sections = *sections;
    return contents;
}

QString HelpDocument::keyFromTyped(const QString& typed)
{
    QString key = typed;
    key.removeIf([](QChar c) { return c.isSpace(); });
    return key;
}

QString HelpDocument::checkKey(const QString& key)
{
    if (key.size() > kMaxKeyLength)
        return tr("\"%1\" is longer than the %2 characters a section's name may have.")
            .arg(key)
            .arg(kMaxKeyLength);
    return {};
}

QString HelpDocument::checkText(const QString& text)
{
    if (text.size() > kMaxTextLength)
        return tr("The text has %1 characters; a section holds at most %2.")
            .arg(text.size())
            .arg(kMaxTextLength);
    return {};
}

template <typename Change>
Result<HelpDocument::Outcome> HelpDocument::edit(bool keepDamaged, Change change)
{
    Result<HelpContents> contents = read();
    if (!contents)
        return Failure{contents.error()};
    if (!contents->damage.isEmpty() && !keepDamaged)
        return Outcome::Damaged;
    QList<HelpSection> sections = contents->sections;
    const Outcome outcome = change(sections);
    if (outcome != Outcome::Done)
        return outcome;
    if (const Status written = write(sections); !written)
        return Failure{written.error()};
    return Outcome::Done;
}

Result<HelpDocument::Outcome> HelpDocument::add(const QString& key, const QString& parent,
                                                bool keepDamaged)
{
    return edit(keepDamaged, [&](QList<HelpSection>& sections) {
        for (const HelpSection& s : std::as_const(sections)) {
            if (sameKey(s.name, key))
                return Outcome::NodeExists;
        }
        sections << HelpSection{0, key, key, key, parent};
        return Outcome::Done;
    });
}

Result<HelpDocument::Outcome> HelpDocument::rename(const QString& key, const QString& caption,
                                                   bool keepDamaged)
{
    QString plain = caption;
    plain.remove(u'\'');
    return edit(keepDamaged, [&](QList<HelpSection>& sections) {
        bool found = false;
        for (HelpSection& s : sections) {
            if (s.name == key) {
                s.caption = plain;
                found = true;
            }
        }
        return found ? Outcome::Done : Outcome::NotChosen;
    });
}

Result<HelpDocument::Outcome> HelpDocument::remove(const QString& key, bool keepDamaged)
{
    return edit(keepDamaged, [&](QList<HelpSection>& sections) {
        const qsizetype removed =
            sections.removeIf([&](const HelpSection& s) { return s.name == key; });
        return removed > 0 ? Outcome::Done : Outcome::NotChosen;
    });
}

Result<HelpDocument::Outcome> HelpDocument::save(const QString& key, const QString& text,
                                                 int displayOrder, bool keepDamaged)
{
    return edit(keepDamaged, [&](QList<HelpSection>& sections) {
        bool found = false;
        for (HelpSection& s : sections) {
            if (s.name == key) {
                s.text = text;
                s.displayOrder = displayOrder;
                found = true;
            }
        }
        return found ? Outcome::Done : Outcome::NotChosen;
    });
}

Result<HelpDocument::Outcome> HelpDocument::makeFromOld(const QString& oldName)
{
    const Result<bool> there = m_files.exists(m_name);
    if (!there)
        return Failure{there.error()};
    if (*there)
        return Outcome::NodeExists;
    const Result<QByteArray> bytes = bytesOf(oldName);
    if (!bytes)
        return Failure{bytes.error()};
    QString why;
    const std::optional<AdtgTable> old = Adtg::decode(*bytes, &why);
    if (!old)
        return Failure{tr("%1 could not be read: %2").arg(oldName, why)};
    Result<QList<HelpSection>> sections = sectionsOf(*old, false);
    if (!sections)
        return Failure{tr("%1 is not a help file: %2.").arg(oldName, sections.error())};
    if (const Status written = write(*sections); !written)
        return Failure{written.error()};
    return Outcome::Done;
}

AdtgTable HelpDocument::toTable(const QList<HelpSection>& sections)
{
    using T = AdtgColumn::Type;
    const auto bstr = [](const QString& name) {
        return AdtgColumn{name, T::Bstr, quint32(kMaxKeyLength), 0, 0, AdtgColumn::kWritable};
    };
    AdtgTable table;
    table.columns = {AdtgColumn::integer(QStringLiteral("DisplayOrder")),
                     bstr(QStringLiteral("Caption")),
                     bstr(QStringLiteral("HName")),
                     {QStringLiteral("HValue"), T::WideString, quint32(kMaxTextLength), 0, 0,
                      AdtgColumn::kWritable | AdtgColumn::kLong},
                     bstr(QStringLiteral("Parent"))};
    for (const HelpSection& s : sections) {
        AdtgRow row;
        row.values = {s.displayOrder, s.caption, s.name, s.text, s.parent};
        table.rows << row;
    }
    return table;
}

Status HelpDocument::write(const QList<HelpSection>& sections)
{
    QString why;
    const std::optional<QByteArray> bytes = Adtg::encode(toTable(sections), &why);
    if (!bytes)
        return Failure{tr("%1 could not be written: %2").arg(m_name, why)};
    if (const Status written = m_files.write(m_name, *bytes); !written)
        return Failure{tr("%1 could not be written: %2").arg(m_name, written.error())};
    return Done{};
}

QString HelpDocument::fileNameFor(const QString& language)
{
    return language.isEmpty() || language == u"en" ? kFileName
                                                   : QStringLiteral("Help_%1.set").arg(language);
}

Status HelpDocument::installIfMissing(SharedFiles& files, const QByteArray& delivered,
                                      const QString& name)
{
    const Result<bool> there = files.exists(name);
    if (!there)
        return Failure{tr("The help document could not be installed: %1").arg(there.error())};
    if (*there)
        return Done{};
    if (const Status written = files.write(name, delivered); !written)
        return Failure{tr("The help document could not be installed: %1").arg(written.error())};
    return Done{};
}
