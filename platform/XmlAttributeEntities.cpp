#include "platform/XmlAttributeEntities.h"

#include "platform/WinPath.h"
#include "platform/XmlError.h"

#include <QCoreApplication>
#include <libxml/entities.h>

namespace xml {

namespace {

// libxml2's own limit for one text.
constexpr qsizetype maxAttributeExpansion = 10'000'000;

} // namespace

void AttributeEntityExpander::expandElements(xmlNodePtr first)
{
    for (xmlNodePtr node = first; node != nullptr; node = node->next) {
        if (node->type != XML_ELEMENT_NODE)
            continue;
        expandAttributes(node);
        expandElements(node->children);
    }
}

void AttributeEntityExpander::expandAttributes(xmlNodePtr element)
{
    for (xmlAttrPtr attr = element->properties; attr != nullptr; attr = attr->next)
        expandAttribute(element, attr);
}

void AttributeEntityExpander::expandAttribute(xmlNodePtr element, xmlAttrPtr attr)
{
    bool hasReference = false;
    for (xmlNodePtr part = attr->children; part != nullptr; part = part->next)
        hasReference |= part->type == XML_ENTITY_REF_NODE;
    if (!hasReference)
        return;
    QByteArray value;
    for (xmlNodePtr part = attr->children; part != nullptr; part = part->next) {
        if (part->type != XML_ENTITY_REF_NODE) {
            value += reinterpret_cast<const char *>(part->content);
            continue;
        }
        const qsizetype start = value.size();
        appendReplacement(element, attr, part->name, value);
        for (qsizetype i = start; i < value.size(); ++i) {
            if (value[i] == '\t' || value[i] == '\n' || value[i] == '\r')
                value[i] = ' ';
        }
    }
    xmlSetNsProp(element, attr->ns, attr->name, BAD_CAST value.constData());
}

// The parser has refused undeclared entities and reference loops.
void AttributeEntityExpander::appendReplacement(xmlNodePtr element, xmlAttrPtr attr, const xmlChar *name, QByteArray &value)
{
    xmlEntityPtr entity = xmlGetDocEntity(m_doc, name);
    if (entity == nullptr)
        return;
    if (entity->children == nullptr) {
        append(element, attr, reinterpret_cast<const char *>(entity->content), value);
        return;
    }
    for (xmlNodePtr part = entity->children; part != nullptr; part = part->next) {
        if (part->type == XML_ENTITY_REF_NODE)
            appendReplacement(element, attr, part->name, value);
        else if (part->type == XML_TEXT_NODE || part->type == XML_CDATA_SECTION_NODE)
            append(element, attr, reinterpret_cast<const char *>(part->content), value);
    }
}

void AttributeEntityExpander::append(xmlNodePtr element, xmlAttrPtr attr, const char *text, QByteArray &value)
{
    const qsizetype length = text != nullptr ? qsizetype(qstrlen(text)) : 0;
    m_expanded += length;
    if (m_expanded > maxAttributeExpansion)
        throw XmlError(QCoreApplication::translate("XmlParser",
                                                   "Error en %1, línea %2: las referencias a entidades del atributo "
                                                   "\"%3\" dan más texto del admitido (%4 bytes)")
                           .arg(winpath::toWindows(m_path))
                           .arg(xmlGetLineNo(element))
                           .arg(QString::fromUtf8(reinterpret_cast<const char *>(attr->name)))
                           .arg(maxAttributeExpansion));
    value.append(text, length);
}

} // namespace xml
