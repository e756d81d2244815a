#include "platform/XmlDocument.h"

#include "platform/WholeFile.h"
#include "platform/XmlCharacters.h"
#include "platform/XmlParser.h"
#include "platform/XmlStreamReader.h"

#include <QCoreApplication>
#include <QStringList>

#include <libxml/tree.h>
#include <libxml/xmlsave.h>

namespace xml {

// The libxml2 document and every element created for it but not (yet) placed
// in its tree: libxml2 frees only what hangs from the document, so the others
// are freed here.
struct DocumentData {
    xmlDocPtr doc = nullptr;
    std::vector<xmlNodePtr> created;

    explicit DocumentData(xmlDocPtr document) : doc(document) {}
    DocumentData(const DocumentData &) = delete;
    DocumentData &operator=(const DocumentData &) = delete;
    ~DocumentData()
    {
        // Only the tops of detached subtrees are freed, and all of them are
        // found before any is freed: freeing one frees the elements inside it.
        std::vector<xmlNodePtr> detached;
        for (xmlNodePtr node : created) {
            if (node->parent == nullptr)
                detached.push_back(node);
        }
        for (xmlNodePtr node : detached)
            xmlFreeNode(node);
        xmlFreeDoc(doc);
    }
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

void Node::appendChild(const Node &child)
{
    if (m_node == nullptr || child.m_node == nullptr)
        throw XmlError(
            QCoreApplication::translate("XmlDocument", "No se puede añadir un elemento: no se ha indicado ninguno"));
    if (m_doc != child.m_doc)
        throw XmlError(QCoreApplication::translate("XmlDocument", "No se puede añadir un elemento de otro documento"));
    auto *parent = static_cast<xmlNodePtr>(m_node);
    auto *node = static_cast<xmlNodePtr>(child.m_node);
    for (xmlNodePtr ancestor = parent; ancestor != nullptr; ancestor = ancestor->parent) {
        if (ancestor == node)
            throw XmlError(
                QCoreApplication::translate("XmlDocument", "No se puede añadir el elemento \"%1\" dentro de sí mismo")
                    .arg(child.nodeName()));
    }
    xmlUnlinkNode(node);
    xmlAddChild(parent, node);
}

void Node::setAttribute(const QString &name, const QString &value)
{
    if (m_node == nullptr)
        throw XmlError(QCoreApplication::translate(
                           "XmlDocument", "No se puede dar valor al atributo \"%1\": no se ha indicado ningún elemento")
                           .arg(name));
    const QByteArray utf8Name = checkedName(name);
    requireXmlCharacters(name, value);
    // xmlSetProp replaces the value of an existing attribute where it stands
    // and appends a new one after the others.
    if (xmlSetProp(static_cast<xmlNodePtr>(m_node), BAD_CAST utf8Name.constData(), BAD_CAST value.toUtf8().constData())
        == nullptr)
        throw XmlError(
            QCoreApplication::translate("XmlDocument", "No se puede dar valor al atributo \"%1\"").arg(name));
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

Node Document::createElement(const QString &name)
{
    const QByteArray utf8 = checkedName(name);
    xmlNodePtr element = xmlNewDocNode(m_doc->doc, nullptr, BAD_CAST utf8.constData(), nullptr);
    if (element == nullptr)
        throw XmlError(QCoreApplication::translate("XmlDocument", "No se puede crear el elemento \"%1\"").arg(name));
    m_doc->created.push_back(element);
    Node node;
    node.m_doc = m_doc;
    node.m_node = element;
    return node;
}

void Document::appendChild(const Node &child)
{
    if (child.m_node == nullptr)
        throw XmlError(
            QCoreApplication::translate("XmlDocument", "No se puede añadir un elemento: no se ha indicado ninguno"));
    if (child.m_doc != m_doc)
        throw XmlError(QCoreApplication::translate("XmlDocument", "No se puede añadir un elemento de otro documento"));
    if (xmlDocGetRootElement(m_doc->doc) != nullptr)
        throw XmlError(
            QCoreApplication::translate("XmlDocument",
                                        "No se puede añadir el elemento \"%1\": el documento ya tiene un elemento raíz")
                .arg(child.nodeName()));
    auto *node = static_cast<xmlNodePtr>(child.m_node);
    xmlUnlinkNode(node);
    xmlDocSetRootElement(m_doc->doc, node);
}

QByteArray Document::toBytes() const
{
    QByteArray bytes;
    if (xmlDocGetRootElement(m_doc->doc) == nullptr)
        return bytes;
    xmlBufferPtr buffer = xmlBufferCreate();
    if (buffer == nullptr)
        throw XmlError(
            QCoreApplication::translate("XmlDocument", "No se puede escribir el documento XML: falta memoria"));
    // With the encoding set, libxml2 writes non-ASCII characters as UTF-8
    // instead of character references.
    xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer, "UTF-8", XML_SAVE_NO_DECL | XML_SAVE_AS_XML);
    bool ok = save != nullptr && xmlSaveDoc(save, m_doc->doc) >= 0;
    if (save != nullptr)
        ok = xmlSaveClose(save) >= 0 && ok;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char *>(xmlBufferContent(buffer)), xmlBufferLength(buffer));
    xmlBufferFree(buffer);
    if (!ok)
        throw XmlError(QCoreApplication::translate("XmlDocument", "No se puede escribir el documento XML"));
    return bytes;
}

void Document::save(const QString &path) const
{
    if (xmlDocGetRootElement(m_doc->doc) == nullptr)
        throw XmlError(
            QCoreApplication::translate("XmlDocument", "No se puede escribir %1: el documento no tiene elemento raíz")
                .arg(displayName(path)));
    const QByteArray bytes = toBytes();
    if (const std::optional<QString> reason = writeWholeFile(path, bytes))
        throw XmlError(
            QCoreApplication::translate("XmlDocument", "No se puede escribir %1: %2").arg(displayName(path), *reason));
}

} // namespace xml
