#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

// XML documents over libxml2: loading a GestIB document, selecting elements by
// plain paths of element names, reading attributes.
namespace xml {

struct DocumentData; // the libxml2 document, shared by the document and its nodes

class Node;

// Selected elements, in document order.
class NodeList {
public:
    NodeList() = default;
    int length() const;
    Node item(int i) const; // counted from 0

private:
    friend class Document;
    friend class Node;
    std::shared_ptr<DocumentData> m_doc;
    std::vector<void *> m_nodes;
};

// An attribute as the document holds it; a missing attribute reads as empty text.
class AttributeNode {
public:
    QString text() const;
    bool exists() const;

private:
    friend class AttributeMap;
    QString m_text;
    bool m_exists = false;
};

// The attributes of one element.
class AttributeMap {
public:
    AttributeMap() = default;
    AttributeNode getNamedItem(const QString &name) const;

private:
    friend class Node;
    std::shared_ptr<DocumentData> m_doc;
    void *m_element = nullptr;
};

// An element of a document (or none).
class Node {
public:
    Node() = default;
    bool isNull() const;
    QString nodeName() const;
    AttributeMap attributes() const;
    NodeList selectNodes(const QString &childName) const; // the element's children of that name

private:
    friend class Document;
    friend class NodeList;
    std::shared_ptr<DocumentData> m_doc;
    void *m_node = nullptr;
};

class Document {
public:
    Document(); // an empty document, without elements until one is loaded

    // Reads the file. A file that is not well-formed XML is an error naming
    // the file, line, column and reason. No network access, no external
    // entities or DTDs are loaded.
    void load(const QString &path);
    // Reads a document held in memory the same way; errors name it `name`.
    void loadBytes(const QByteArray &bytes, const QString &name);

    Node documentElement() const;
    // Every element on an absolute path of element names ("/CENTRE/MATERIES/MATERIA").
    NodeList selectNodes(const QString &absolutePath) const;
    Node selectSingleNode(const QString &absolutePath) const;

private:
    std::shared_ptr<DocumentData> m_doc;
};

} // namespace xml
