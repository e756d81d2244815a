#pragma once

#include <QByteArray>
#include <QString>

#include <libxml/tree.h>

// Attribute values with the references to entities of the DOCTYPE replaced
// by their text (private to the platform layer).
namespace xml {

// Replaces the entity references of attribute values by their text. An
// entity's replacement text is normalised like the literal text around it:
// tabs and line breaks become blanks. The text that references add to one
// document is limited: the parser checks how entities amplify only where it
// expands them, and it leaves them unexpanded in attributes, so a small file
// could otherwise claim gigabytes here.
class AttributeEntityExpander {
public:
    AttributeEntityExpander(xmlDocPtr doc, const QString &path) : m_doc(doc), m_path(path) {}

    // The elements from `first` on, their following siblings and everything inside them.
    void expandElements(xmlNodePtr first);
    // The attributes of one element.
    void expandAttributes(xmlNodePtr element);

private:
    void expandAttribute(xmlNodePtr element, xmlAttrPtr attr);
    void appendReplacement(xmlNodePtr element, xmlAttrPtr attr, const xmlChar *name, QByteArray &value);
    void append(xmlNodePtr element, xmlAttrPtr attr, const char *text, QByteArray &value);

    xmlDocPtr m_doc;
    QString m_path;
    qsizetype m_expanded = 0;
};

} // namespace xml
