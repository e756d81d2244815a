#include "platform/XmlDocument.h"

#include "platform/XmlError.h"
#include "platform/XmlParser.h"
#include "platform/XmlStreamReader.h"

#include <QCoreApplication>
#include <QStringList>

#include <libxml/tree.h>

namespace xml {

// The libxml2 document, freed with the last document or node that holds it.
struct DocumentData {
    xmlDocPtr doc = nullptr;

    explicit DocumentData(xmlDocPtr document) : doc(document) {}
    DocumentData(const DocumentData &) = delete;
    DocumentData &operator=(const DocumentData &) = delete;
    ~DocumentData() { xmlFreeDoc(doc); }
};

namespace {

std::shared_ptr<DocumentData> newEmptyDocument()
{
    initLibxml();
    xmlDocPtr doc = xmlNewDoc(BAD_CAST "1.0");
    if (doc == nullptr)
        throw XmlError(QCoreApplication::translate("XmlDocument", "No se puede crear un documento XML: falta memoria"));
    return std::make_shared<DocumentData>(doc);
}

QString fromXmlChar(const xmlChar *text)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text));
}

// An element's or attribute's name as written in the document, prefix included.
QString qualifiedName(const xmlChar *name, const xmlNs *ns)
{
    if (ns != nullptr && ns->prefix != nullptr)
        return fromXmlChar(ns->prefix) + QLatin1Char(':') + fromXmlChar(name);
    return fromXmlChar(name);
}

bool isElementNamed(xmlNodePtr node, const QString &name)
{
    return node->type == XML_ELEMENT_NODE && qualifiedName(node->name, node->ns) == name;
}

// Every element on a path of element names below `start`, in document order:
// each step keeps the children of that name of the elements found so far.
std::vector<void *> walkPath(xmlNodePtr start, const QString &path)
{
    const QStringList names = path.split(QLatin1Char('/'));
    std::vector<xmlNodePtr> current{start};
    for (const QString &name : names) {
        if (name.isEmpty())
            throw XmlError(
                QCoreApplication::translate(
                    "XmlDocument", "Ruta XML no admitida \"%1\": solo se entienden rutas de nombres de elementos")
                    .arg(path));
        std::vector<xmlNodePtr> next;
        for (xmlNodePtr parent : current) {
            for (xmlNodePtr child = parent->children; child != nullptr; child = child->next) {
                if (isElementNamed(child, name))
                    next.push_back(child);
            }
        }
        current = std::move(next);
    }
    return {current.begin(), current.end()};
}

// Element paths are read from the document node when absolute ("/CENTRE/..."),
// otherwise from `context`.
std::vector<void *> selectFrom(xmlDocPtr doc, xmlNodePtr context, const QString &path)
{
    if (path.startsWith(QLatin1Char('/')))
        return walkPath(reinterpret_cast<xmlNodePtr>(doc), path.mid(1));
    return walkPath(context, path);
}

// Attribute values hold plain text only: the parser resolved every reference.
QString attributeValue(xmlAttrPtr attr)
{
    QByteArray value;
    for (xmlNodePtr part = attr->children; part != nullptr; part = part->next)
        value += reinterpret_cast<const char *>(part->content);
    return QString::fromUtf8(value);
}

} // namespace

// --- NodeList -------------------------------------------------------------

int NodeList::length() const
{
    return int(m_nodes.size());
}

Node NodeList::item(int i) const
{
    Node node;
    if (i >= 0 && i < length()) {
        node.m_doc = m_doc;
        node.m_node = m_nodes[size_t(i)];
    }
    return node;
}

// --- AttributeNode, AttributeMap --------------------------------------------

QString AttributeNode::text() const
{
    return m_text;
}

bool AttributeNode::exists() const
{
    return m_exists;
}

AttributeNode AttributeMap::getNamedItem(const QString &name) const
{
    AttributeNode result;
    if (m_element == nullptr)
        return result;
    auto *element = static_cast<xmlNodePtr>(m_element);
    for (xmlAttrPtr attr = element->properties; attr != nullptr; attr = attr->next) {
        if (qualifiedName(attr->name, attr->ns) != name)
            continue;
        result.m_text = attributeValue(attr);
        result.m_exists = true;
        break;
    }
    return result;
}

// --- Node -------------------------------------------------------------------

bool Node::isNull() const
{
    return m_node == nullptr;
}

QString Node::nodeName() const
{
    if (m_node == nullptr)
        return {};
    auto *node = static_cast<xmlNodePtr>(m_node);
    return qualifiedName(node->name, node->ns);
}

AttributeMap Node::attributes() const
{
    AttributeMap map;
    map.m_doc = m_doc;
    map.m_element = m_node;
    return map;
}

NodeList Node::selectNodes(const QString &childName) const
{
    NodeList list;
    if (m_node == nullptr)
        return list;
    list.m_doc = m_doc;
    list.m_nodes = selectFrom(m_doc->doc, static_cast<xmlNodePtr>(m_node), childName);
    return list;
}

// --- Document ---------------------------------------------------------------

Document::Document() : m_doc(newEmptyDocument()) {}

void Document::load(const QString &path)
{
    loadBytes(readDocumentBytes(path), path);
}

void Document::loadBytes(const QByteArray &bytes, const QString &name)
{
    m_doc = std::make_shared<DocumentData>(parseDocument(name, bytes));
}

Node Document::documentElement() const
{
    Node node;
    node.m_doc = m_doc;
    node.m_node = xmlDocGetRootElement(m_doc->doc);
    return node;
}

NodeList Document::selectNodes(const QString &absolutePath) const
{
    NodeList list;
    list.m_doc = m_doc;
    list.m_nodes = selectFrom(m_doc->doc, reinterpret_cast<xmlNodePtr>(m_doc->doc), absolutePath);
    return list;
}

Node Document::selectSingleNode(const QString &absolutePath) const
{
    return selectNodes(absolutePath).item(0);
}

} // namespace xml
