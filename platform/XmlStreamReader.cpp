#include "platform/XmlStreamReader.h"

#include "platform/WholeFile.h"
#include "platform/WinPath.h"
#include "platform/XmlAttributeEntities.h"
#include "platform/XmlError.h"
#include "platform/XmlParser.h"

#include <QCoreApplication>
#include <QFile>

#include <libxml/xmlreader.h>

#include <cstring>
#include <limits>
#include <optional>

namespace xml {

namespace {

void recordReaderError(void *errors, xmlErrorPtr error)
{
    recordParseError(*static_cast<ParseErrors *>(errors), error);
}

QString fromXmlChar(const xmlChar *text)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text));
}

} // namespace

QByteArray readDocumentBytes(const QString &path)
{
    QByteArray bytes;
    if (const std::optional<QString> reason = readWholeFile(path, bytes))
        throw XmlError(QCoreApplication::translate("XmlDocument", "No se puede leer %1: %2")
                           .arg(winpath::toWindows(path), *reason));
    return bytes;
}

struct StreamReader::State {
    const QByteArray &bytes;
    QString path;
    ParseErrors errors;
    xmlTextReaderPtr reader = nullptr;
    std::optional<ThreadErrorHandler> threadHandler;
    std::optional<AttributeEntityExpander> expander;
    xmlNodePtr element = nullptr;
    int depth = 0;

    State(const QByteArray &documentBytes, const QString &documentPath) : bytes(documentBytes), path(documentPath) {}
    ~State()
    {
        if (reader != nullptr)
            xmlFreeTextReader(reader);
    }

    // A refused document gets the message a load of it gives: the reader
    // meets some faults at another column than the whole parse (it reads in
    // chunks) or, for entities in attributes, before a fault further on that
    // the load reports first. Refusals are rare, so the document is parsed
    // again whole to name its fault the same way.
    [[noreturn]] void fail()
    {
        xmlFreeDoc(parseDocument(path, bytes));
        if (!errors.failed) {
            errors.line = xmlTextReaderGetParserLineNumber(reader);
            errors.column = xmlTextReaderGetParserColumnNumber(reader);
        }
        if (bytes.trimmed().isEmpty())
            errors.reason = errors.unplacedReason = QStringLiteral("el archivo está vacío");
        throw XmlError(parseErrorMessage(path, errors));
    }
};

// The parse is the load's: no network, no external DTD or entity is loaded,
// entity references are not substituted by the parser and its limits against
// entity expansion stay on. The reader lets go of each element once it is
// passed, so only the current one is held.
StreamReader::StreamReader(const QByteArray &bytes, const QString &path)
    : m_state(std::make_unique<State>(bytes, path))
{
    initLibxml();
    if (bytes.size() > std::numeric_limits<int>::max())
        throw XmlError(QCoreApplication::translate("XmlParser", "No se puede leer %1: el archivo es demasiado grande")
                           .arg(winpath::toWindows(path)));
    const QByteArray url = QFile::encodeName(path);
    m_state->reader = xmlReaderForMemory(bytes.constData(), int(bytes.size()), url.constData(), nullptr, XML_PARSE_NONET);
    if (m_state->reader == nullptr)
        throw XmlError(QCoreApplication::translate("XmlParser", "No se puede leer %1: falta memoria")
                           .arg(winpath::toWindows(path)));
    // Every report of this parse comes here, so nothing reaches libxml2's
    // default printing on stderr.
    xmlTextReaderSetStructuredErrorHandler(m_state->reader, &recordReaderError, &m_state->errors);
    m_state->threadHandler.emplace(&recordReaderError, &m_state->errors);
}

StreamReader::~StreamReader() = default;

bool StreamReader::readNextElement()
{
    State &s = *m_state;
    s.element = nullptr;
    for (;;) {
        const int read = xmlTextReaderRead(s.reader);
        if (read < 0 || s.errors.failed)
            s.fail();
        if (read == 0) {
            if (!s.errors.unplacedReason.isEmpty())
                s.fail();
            return false;
        }
        if (xmlTextReaderNodeType(s.reader) != XML_READER_TYPE_ELEMENT)
            continue;
        s.element = xmlTextReaderCurrentNode(s.reader);
        s.depth = xmlTextReaderDepth(s.reader);
        if (s.element->doc != nullptr && s.element->doc->intSubset != nullptr) {
            if (!s.expander)
                s.expander.emplace(s.element->doc, s.path);
            try {
                s.expander->expandAttributes(s.element);
            } catch (const XmlError &) {
                s.fail();
            }
        }
        return true;
    }
}

int StreamReader::depth() const
{
    return m_state->depth;
}

QString StreamReader::name() const
{
    const xmlNodePtr element = m_state->element;
    if (element == nullptr)
        return {};
    if (element->ns != nullptr && element->ns->prefix != nullptr)
        return fromXmlChar(element->ns->prefix) + QLatin1Char(':') + fromXmlChar(element->name);
    return fromXmlChar(element->name);
}

bool StreamReader::isNamed(const char *name) const
{
    const xmlNodePtr element = m_state->element;
    return element != nullptr && (element->ns == nullptr || element->ns->prefix == nullptr)
           && std::strcmp(reinterpret_cast<const char *>(element->name), name) == 0;
}

QString StreamReader::attribute(const char *name) const
{
    const xmlNodePtr element = m_state->element;
    if (element == nullptr)
        return {};
    for (xmlAttrPtr attr = element->properties; attr != nullptr; attr = attr->next) {
        if ((attr->ns != nullptr && attr->ns->prefix != nullptr)
            || std::strcmp(reinterpret_cast<const char *>(attr->name), name) != 0)
            continue;
        // A value without references is one text node; the expander made
        // those with references one as well.
        const xmlNodePtr first = attr->children;
        if (first == nullptr)
            return QString();
        if (first->next == nullptr)
            return fromXmlChar(first->content);
        QByteArray value;
        for (xmlNodePtr part = attr->children; part != nullptr; part = part->next)
            value += reinterpret_cast<const char *>(part->content);
        return QString::fromUtf8(value);
    }
    return {};
}

} // namespace xml
