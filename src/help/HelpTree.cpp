#include "help/HelpTree.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <numeric>

HelpTree HelpTree::build(const QList<HelpSection>& sections)
{
    const int n = int(sections.size());
    QList<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return sections[a].displayOrder < sections[b].displayOrder;
    });
    QHash<QString, int> byKey; // the first section of a key takes its children
    for (int i = n - 1; i >= 0; --i)
        byKey[sections[i].name] = i;

    // Children in display order, from the parent keys.
    QList<QList<int>> children(n);
    QList<int> tops, unfiled;
    HelpTree tree;
    for (int i : std::as_const(order)) {
        const QString& parent = sections[i].parent;
        if (parent.isEmpty()) {
            tops << i;
            continue;
        }
        const int p = byKey.value(parent, -1);
        if (p < 0 || p == i) {
            unfiled << i;
            tree.missingParents << sections[i].name;
        } else {
            children[p] << i;
        }
    }

    QList<bool> placed(n, false);
    const auto place = [&](int i, const auto& self) -> HelpNode {
        placed[i] = true;
        HelpNode node{i, {}};
        for (int c : std::as_const(children[i])) {
            if (!placed[c])
                node.children << self(c, self);
        }
        return node;
    };
    for (int i : std::as_const(tops))
        tree.roots << place(i, place);
    HelpNode unfiledNode;
    for (int i : std::as_const(unfiled))
        unfiledNode.children << place(i, place);
    // What is left hangs from a ring of parents: the first left in display order is filed,
    // which cuts its ring, and the rest follows below it.
    for (int i : std::as_const(order)) {
        if (placed[i])
            continue;
        const QList<bool> before = placed;
        unfiledNode.children << place(i, place);
        for (int k = 0; k < n; ++k) {
            if (placed[k] && !before[k])
                tree.rings << sections[k].name;
        }
    }
    if (!unfiledNode.children.isEmpty())
        tree.roots << unfiledNode;
    return tree;
}

namespace HelpText {

int countOccurrences(const QString& text, const QString& word)
{
    if (word.isEmpty())
        return 0;
    int count = 0;
    for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(word, at + word.size(), Qt::CaseInsensitive))
        ++count;
    return count;
}

QString searchReport(const QList<HelpSection>& sections, const QString& answer)
{
    QStringList words;
    for (const QString& w : answer.split(u' ', Qt::SkipEmptyParts)) {
        if (!words.contains(w, Qt::CaseInsensitive))
            words << w;
    }
    struct Hit {
        int count;
        QString line;
    };
    QList<Hit> hits;
    for (const HelpSection& s : sections) {
        const QString where =
            s.parent.isEmpty() ? s.caption : s.parent + QStringLiteral(".. ") + s.caption;
        for (const QString& w : std::as_const(words)) {
            if (const int count = countOccurrences(s.text, w); count > 0)
                hits << Hit{count,
                            QCoreApplication::translate("HelpTree", " Count of '%1' Found in %2")
                                .arg(w, where)};
        }
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const Hit& a, const Hit& b) { return a.count > b.count; });
    QString report;
    for (const Hit& h : std::as_const(hits))
        report += QStringLiteral("\r\n%1 %2").arg(h.count).arg(h.line);
    return report;
}

QStringList wrapForPrint(const QString& text)
{
    QStringList lines;
    QString line;
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') { // CR LF, a lone CR or a lone LF ends a line
            lines << line;
            line.clear();
            count = 0;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            continue;
        }
        line += c;
        ++count;
        if (count >= kPrintLineCharacters && c == u' ') {
            lines << line;
            line.clear();
            count = 0;
        }
    }
    lines << line;
    return lines;
}

} // namespace HelpText
