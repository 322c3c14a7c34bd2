#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>
#include <vector>

class QXmlStreamReader;

// Received XML (e-invoices, bank statements) as a small tree of elements, read with limits so
// that a hostile file costs no more than its size: entities are refused, and so are more
// elements or deeper nesting than the reader allows.
//
// One element: its local name (namespace prefixes vary between senders), its own text trimmed,
// the attributes the reader asked to keep, by local name, and its child elements in document
// order.
struct XmlNode {
    QString name;
    QString text;
    std::vector<std::pair<QString, QString>> attributes;
    std::vector<XmlNode> children;

    // The first child so named, or null.
    const XmlNode* child(QStringView childName) const;
    // The first element along "A/B/C", each step a child of the one before; null when absent.
    const XmlNode* at(QStringView path) const;
    // Every child so named.
    std::vector<const XmlNode*> all(QStringView childName) const;
    // The text at `path`, empty when absent.
    QString textAt(QStringView path) const;
    QString attribute(QStringView attributeName) const;
};

namespace XmlTree {

// What a reader allows, and the words of its refusals (each the reader's own).
struct Limits {
    int maxElements = 0;        // elements in one tree, the root included
    int maxDepth = 0;           // open elements at once, counted from the document's root
    int depth = 0;              // how deep the tree's root already is
    QStringList keptAttributes; // by local name; others are dropped as read
    QString tooMany;
    QString tooDeep;
    QString entities;
};

// The element whose start `xml` is at, without its children yet.
XmlNode opened(const QXmlStreamReader& xml, const QStringList& keptAttributes);

// The tokens after `root`'s start up to its end, into `root`. The caller checks xml.hasError()
// for XML that is not well-formed.
Status readElements(QXmlStreamReader& xml, XmlNode& root, const Limits& limits);

} // namespace XmlTree
