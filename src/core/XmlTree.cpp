#include "core/XmlTree.h"

#include <QXmlStreamReader>

const XmlNode* XmlNode::child(QStringView childName) const
{
    for (const XmlNode& c : children) {
        if (c.name == childName)
            return &c;
    }
    return nullptr;
}

const XmlNode* XmlNode::at(QStringView path) const
{
    const XmlNode* node = this;
    for (const QStringView step : path.split(u'/')) {
        if (!(node = node->child(step)))
            return nullptr;
    }
    return node;
}

std::vector<const XmlNode*> XmlNode::all(QStringView childName) const
{
    std::vector<const XmlNode*> found;
    for (const XmlNode& c : children) {
        if (c.name == childName)
            found.push_back(&c);
    }
    return found;
}

QString XmlNode::textAt(QStringView path) const
{
    const XmlNode* node = at(path);
    return node ? node->text : QString();
}

QString XmlNode::attribute(QStringView attributeName) const
{
    for (const auto& [key, value] : attributes) {
        if (key == attributeName)
            return value;
    }
    return {};
}

namespace XmlTree {

// Only the attributes asked for are kept, so that a file of attributes costs no more memory
// than its size.
XmlNode opened(const QXmlStreamReader& xml, const QStringList& keptAttributes)
{
    XmlNode node;
    node.name = xml.name().toString();
    for (const QXmlStreamAttribute& a : xml.attributes()) {
        if (keptAttributes.contains(a.name()))
            node.attributes.emplace_back(a.name().toString(), a.value().toString());
    }
    return node;
}

// Open elements are kept on a stack of pointers: a child is added only to the innermost open
// element, so no pointer on the stack is moved by it.
Status readElements(QXmlStreamReader& xml, XmlNode& root, const Limits& limits)
{
    std::vector<XmlNode*> open{&root};
    int elements = 1;
    while (!open.empty() && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++elements > limits.maxElements)
                return Failure{limits.tooMany};
            if (limits.depth + int(open.size()) >= limits.maxDepth)
                return Failure{limits.tooDeep};
            open.back()->children.push_back(opened(xml, limits.keptAttributes));
            open.push_back(&open.back()->children.back());
            break;
        case QXmlStreamReader::Characters:
            open.back()->text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            open.back()->text = open.back()->text.trimmed();
            open.pop_back();
            break;
        case QXmlStreamReader::EntityReference:
            return Failure{limits.entities};
        default:
            break; // comments and processing instructions
        }
    }
    return Done{};
}

} // namespace XmlTree
