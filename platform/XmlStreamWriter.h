#pragma once

#include "platform/AtomicFile.h"

#include <QByteArray>
#include <QString>

#include <vector>

// A document written element by element straight into its file, for a
// document too large to build whole first. The bytes are those libxml2 saves
// for the same tree: UTF-8 without an XML declaration, no indentation,
// attributes in the order given with markup characters, tabs and line breaks
// as references, an element without children as <NAME/>, and a line break
// after the document element.
//
// The file replaces an existing one only at commit, in one step: a writer
// destroyed before commit (a run that fails midway) leaves the older file
// whole and no temporary file behind.
namespace xml {

// An element or attribute name, checked once: a document that writes the
// same few names hundreds of thousands of times need not check each again.
class Name {
public:
    // XmlError when `name` is no valid XML name.
    explicit Name(const QString &name);

private:
    friend class StreamWriter;
    QByteArray m_utf8;
};

class StreamWriter {
public:
    // Opens a temporary file beside `path`; XmlError when it cannot be made.
    explicit StreamWriter(const QString &path);
    StreamWriter(const StreamWriter &) = delete;
    StreamWriter &operator=(const StreamWriter &) = delete;

    void startElement(const Name &name);
    void startElement(const QString &name) { startElement(Name(name)); }
    // On the element just started, before any child: XmlError for a value
    // holding a character XML cannot hold.
    void attribute(const Name &name, QStringView value);
    void attribute(const QString &name, QStringView value) { attribute(Name(name), value); }
    void endElement();

    // Ends the document (every element must be ended), writes it out and
    // puts it in place of the older file; XmlError naming the file when any
    // of that fails.
    void commit();

private:
    void closeStartTag();
    // Where `size` more bytes go at the end of what is pending.
    char *room(qsizetype size);
    void put(QByteArrayView bytes);
    void writeOut();
    [[noreturn]] void fail();

    AtomicFile m_file;
    QString m_path;
    QByteArray m_pending; // its first m_used bytes are written to the file once a block is full
    qsizetype m_used = 0;
    qint64 m_written = 0; // bytes already handed to the file
    std::vector<QByteArray> m_open; // names of the elements started and not ended
    bool m_startTagOpen = false;    // "<NAME attributes" written, without its ">"
};

} // namespace xml
