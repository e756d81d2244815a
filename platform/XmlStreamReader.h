#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// Reading an XML document once from its first element to its last, without
// building its tree: the same safe parse and the same refusals as
// xml::Document::load, for documents too large to hold as a tree.
namespace xml {

// A file's whole bytes, or XmlError "No se puede leer <file>: <reason>".
QByteArray readDocumentBytes(const QString &path);

class StreamReader {
public:
    // Reads `bytes`, which must outlive the reader; errors name `path`.
    StreamReader(const QByteArray &bytes, const QString &path);
    ~StreamReader();
    StreamReader(const StreamReader &) = delete;
    StreamReader &operator=(const StreamReader &) = delete;

    // Moves to the next element's start tag, in document order. False once
    // the rest of the document has been read and found well-formed; a fault
    // raises XmlError as a load would, naming the file, line and column.
    bool readNextElement();

    // Of the current element: its depth (0 for the root element), its name as
    // written (prefix included) and whether it is `name`.
    int depth() const;
    QString name() const;
    bool isNamed(const char *name) const;
    // An attribute without prefix as plain text, entity references replaced;
    // empty when the element has none of that name.
    QString attribute(const char *name) const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace xml
