#include "platform/XmlParser.h"

#include "platform/WinPath.h"
#include "platform/XmlDocument.h"
#include "platform/XmlReason.h"

#include <QCoreApplication>
#include <QFile>

#include <libxml/entities.h>
#include <libxml/parser.h>

#include <limits>
#include <memory>
#include <mutex>

namespace xml {

namespace {

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

bool isFailure(const xmlError &error)
{
    // Without the external DTD an undeclared entity is only a warning to
    // libxml2, yet its text could never be resolved and would be lost.
    if (error.code == XML_WAR_UNDECLARED_ENTITY)
        return true;
    // Namespace errors do not make a document ill-formed XML 1.0.
    return error.level >= XML_ERR_ERROR && error.domain != XML_FROM_NAMESPACE;
}

void recordParseError(void *userData, xmlErrorPtr error)
{
    auto *ctxt = static_cast<xmlParserCtxtPtr>(userData);
    auto *errors = static_cast<ParseErrors *>(ctxt->_private);
    if (errors->failed || error == nullptr || !isFailure(*error))
        return;
    const QString reason = reasonFor(*error);
    if (error->line <= 0) {
        if (errors->unplacedReason.isEmpty())
            errors->unplacedReason = reason;
        return;
    }
    errors->failed = true;
    errors->line = error->line;
    errors->column = error->int2;
    errors->reason = errors->unplacedReason.isEmpty() ? reason : errors->unplacedReason;
}

// Reports that libxml2 raises outside the parser context (the encoding
// converters) go to the thread's structured handler: while one parse runs it
// is pointed at that parse's record, and it is restored afterwards.
class ThreadErrorHandler {
public:
    explicit ThreadErrorHandler(xmlParserCtxtPtr ctxt)
        : m_previous(xmlStructuredError), m_previousContext(xmlStructuredErrorContext)
    {
        xmlSetStructuredErrorFunc(ctxt, &recordParseError);
    }
    ~ThreadErrorHandler() { xmlSetStructuredErrorFunc(m_previousContext, m_previous); }
    ThreadErrorHandler(const ThreadErrorHandler &) = delete;
    ThreadErrorHandler &operator=(const ThreadErrorHandler &) = delete;

private:
    xmlStructuredErrorFunc m_previous;
    void *m_previousContext;
};

QString parseErrorMessage(const QString &path, const ParseErrors &errors)
{
    QString reason = errors.failed ? errors.reason : errors.unplacedReason;
    if (reason.isEmpty())
        reason = QCoreApplication::translate("XmlParser", "el documento no es XML bien formado");
    return QCoreApplication::translate("XmlParser", "Error en %1, línea %2, columna %3: %4")
        .arg(displayName(path))
        .arg(errors.line)
        .arg(errors.column)
        .arg(reason);
}

// The most text that entity references may add to the attribute values of
// one document, libxml2's own limit for one text. The parser checks how
// entities amplify only where they are expanded, and it leaves them unexpanded
// in attributes, so a small file could otherwise claim gigabytes here.
constexpr qsizetype maxAttributeExpansion = 10'000'000;

// Replaces the entity references of attribute values by their text. An
// entity's replacement text is normalised like the literal text around it:
// tabs and line breaks become blanks.
class AttributeEntityExpander {
public:
    AttributeEntityExpander(xmlDocPtr doc, const QString &path) : m_doc(doc), m_path(path) {}

    void expandElements(xmlNodePtr first)
    {
        for (xmlNodePtr node = first; node != nullptr; node = node->next) {
            if (node->type != XML_ELEMENT_NODE)
                continue;
            for (xmlAttrPtr attr = node->properties; attr != nullptr; attr = attr->next)
                expandAttribute(node, attr);
            expandElements(node->children);
        }
    }

private:
    void expandAttribute(xmlNodePtr element, xmlAttrPtr attr)
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
    void appendReplacement(xmlNodePtr element, xmlAttrPtr attr, const xmlChar *name, QByteArray &value)
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

    void append(xmlNodePtr element, xmlAttrPtr attr, const char *text, QByteArray &value)
    {
        const qsizetype length = text != nullptr ? qsizetype(qstrlen(text)) : 0;
        m_expanded += length;
        if (m_expanded > maxAttributeExpansion)
            throw XmlError(
                QCoreApplication::translate("XmlParser",
                                            "Error en %1, línea %2: las referencias a entidades del atributo \"%3\" "
                                            "dan más texto del admitido (%4 bytes)")
                    .arg(displayName(m_path))
                    .arg(xmlGetLineNo(element))
                    .arg(QString::fromUtf8(reinterpret_cast<const char *>(attr->name)))
                    .arg(maxAttributeExpansion));
        value.append(text, length);
    }

    xmlDocPtr m_doc;
    const QString &m_path;
    qsizetype m_expanded = 0;
};

} // namespace

QString displayName(const QString &path)
{
    return winpath::toWindows(path);
}

void initLibxml()
{
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

// Parses safely: no network, no external DTD or entity is loaded, entity
// references are not substituted by the parser and its limits against entity
// expansion stay on.
xmlDocPtr parseDocument(const QString &path, const QByteArray &bytes)
{
    initLibxml();
    if (bytes.size() > std::numeric_limits<int>::max())
        throw XmlError(QCoreApplication::translate("XmlParser", "No se puede leer %1: el archivo es demasiado grande")
                           .arg(displayName(path)));
    std::unique_ptr<xmlParserCtxt, decltype(&xmlFreeParserCtxt)> ctxt(xmlNewParserCtxt(), &xmlFreeParserCtxt);
    if (!ctxt)
        throw XmlError(
            QCoreApplication::translate("XmlParser", "No se puede leer %1: falta memoria").arg(displayName(path)));
    ParseErrors errors;
    ctxt->_private = &errors;
    // A structured handler of this context takes every report of this parse,
    // so that nothing reaches libxml2's default printing on stderr.
    ctxt->sax->serror = &recordParseError;
    const ThreadErrorHandler threadHandler(ctxt.get());

    const int options = XML_PARSE_NONET;
    const QByteArray url = QFile::encodeName(path);
    xmlDocPtr doc = xmlCtxtReadMemory(ctxt.get(), bytes.constData(), int(bytes.size()), url.constData(), nullptr,
                                      options);
    if (doc != nullptr && ctxt->wellFormed && !errors.failed && errors.unplacedReason.isEmpty()) {
        std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> owned(doc, &xmlFreeDoc);
        if (doc->intSubset != nullptr)
            AttributeEntityExpander(doc, path).expandElements(doc->children);
        return owned.release();
    }
    xmlFreeDoc(doc);
    if (!errors.failed && ctxt->input != nullptr) {
        errors.line = ctxt->input->line;
        errors.column = ctxt->input->col;
    }
    if (bytes.trimmed().isEmpty())
        errors.reason = errors.unplacedReason = QCoreApplication::translate("XmlParser", "el archivo está vacío");
    throw XmlError(parseErrorMessage(path, errors));
}

} // namespace xml
