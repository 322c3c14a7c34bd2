#pragma once

#include "help/HelpDocument.h"

#include <QList>
#include <QString>
#include <QStringList>

// A node of the help tree: a section (its index in the section list) or the "Unfiled" node.
struct HelpNode {
    int section = -1; // -1 for the Unfiled node
    QList<HelpNode> children;
};

// The help sections as a tree. Siblings stand in ascending DisplayOrder (equal orders in file
// order), whatever order parents and children come in. No section is lost: one whose parent
// is missing (deleted, say) is shown under a top-level "Unfiled" node, and so is the first of a
// ring of sections that are each other's parents, with the rest of the ring below it.
struct HelpTree {
    static constexpr const char* kUnfiled = QT_TRANSLATE_NOOP("HelpTree", "Unfiled");

    QList<HelpNode> roots;      // the Unfiled node, when there is one, comes last
    QStringList missingParents; // keys of sections filed under Unfiled for a missing parent
    QStringList rings;          // keys of sections in or below a ring of parents

    static HelpTree build(const QList<HelpSection>& sections);
};

namespace HelpText {

// Non-overlapping occurrences of `word` in `text`, ignoring letter case; 0 for an empty word.
int countOccurrences(const QString& text, const QString& word);

// The search over every section for each word of `answer` (split at blanks; empty and
// repeated words skipped): one line per section and word that has a hit, most hits first,
// "CR LF <count>  Count of '<word>' Found in <parent>.. <caption>". Empty when nothing is
// found.
QString searchReport(const QList<HelpSection>& sections, const QString& answer);

// Breaks the text for printing at the first blank at or after the 50th character of a line
// (the blank stays at the line's end); a word longer than that stays whole on its line.
QStringList wrapForPrint(const QString& text);
inline constexpr int kPrintLineCharacters = 50;

} // namespace HelpText
