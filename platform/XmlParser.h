#pragma once

#include <QByteArray>
#include <QString>

#include <libxml/tree.h>
#include <libxml/xmlerror.h>

// The safe reading of XML documents behind xml::Document (private to the
// platform layer).
namespace xml {

// Initialises libxml2 once per process.
void initLibxml();

// What a parse reports. libxml2 may go on reporting after the first fatal
// error, and the first one is the one that names the real fault. Encoding
// errors come without a position; the parser's report that follows them
// gives it.
struct ParseErrors {
    bool failed = false;
    int line = 0;
    int column = 0;
    QString reason;
    QString unplacedReason;
};

// Notes a report of libxml2 in `errors` if it makes the document unreadable.
void recordParseError(ParseErrors &errors, const xmlError *error);

// "Error en <file>, línea L, columna C: <reason>".
QString parseErrorMessage(const QString &path, const ParseErrors &errors);

// Reports that libxml2 raises outside the parser context (the encoding
// converters) go to the thread's structured handler: while one parse runs it
// is pointed at that parse's handler, and it is restored afterwards.
class ThreadErrorHandler {
public:
    ThreadErrorHandler(xmlStructuredErrorFunc handler, void *context);
    ~ThreadErrorHandler();
    ThreadErrorHandler(const ThreadErrorHandler &) = delete;
    ThreadErrorHandler &operator=(const ThreadErrorHandler &) = delete;

private:
    xmlStructuredErrorFunc m_previous;
    void *m_previousContext;
};

// Parses a whole document held in memory. No network access and no external
// DTD or entity is loaded; a document that is not well-formed XML 1.0 raises
// XmlError naming `path`, the line, the column and the reason in our own words.
// References to entities of the DOCTYPE inside attribute values come back
// replaced by their normalised text, so that attributes hold plain text.
xmlDocPtr parseDocument(const QString &path, const QByteArray &bytes);

} // namespace xml
