#include "platform/XmlParser.h"

#include "platform/WinPath.h"
#include "platform/XmlAttributeEntities.h"
#include "platform/XmlError.h"
#include "platform/XmlReason.h"

#include <QCoreApplication>
#include <QFile>

#include <libxml/parser.h>

#include <limits>
#include <memory>
#include <mutex>

namespace xml {

namespace {

bool isFailure(const xmlError &error)
{
    // Without the external DTD an undeclared entity is only a warning to
    // libxml2, yet its text could never be resolved and would be lost.
    if (error.code == XML_WAR_UNDECLARED_ENTITY)
        return true;
    // Namespace errors do not make a document ill-formed XML 1.0.
    return error.level >= XML_ERR_ERROR && error.domain != XML_FROM_NAMESPACE;
}

} // namespace

void recordParseError(ParseErrors &errors, const xmlError *error)
{
    if (errors.failed || error == nullptr || !isFailure(*error))
        return;
    const QString reason = reasonFor(*error);
    if (error->line <= 0) {
        if (errors.unplacedReason.isEmpty())
            errors.unplacedReason = reason;
        return;
    }
    errors.failed = true;
    errors.line = error->line;
    errors.column = error->int2;
    errors.reason = errors.unplacedReason.isEmpty() ? reason : errors.unplacedReason;
}

ThreadErrorHandler::ThreadErrorHandler(xmlStructuredErrorFunc handler, void *context)
    : m_previous(xmlStructuredError), m_previousContext(xmlStructuredErrorContext)
{
    xmlSetStructuredErrorFunc(context, handler);
}

ThreadErrorHandler::~ThreadErrorHandler()
{
    xmlSetStructuredErrorFunc(m_previousContext, m_previous);
}

QString parseErrorMessage(const QString &path, const ParseErrors &errors)
{
    QString reason = errors.failed ? errors.reason : errors.unplacedReason;
    if (reason.isEmpty())
        reason = QCoreApplication::translate("XmlParser", "el documento no es XML bien formado");
    return QCoreApplication::translate("XmlParser", "Error en %1, línea %2, columna %3: %4")
        .arg(winpath::toWindows(path))
        .arg(errors.line)
        .arg(errors.column)
        .arg(reason);
}

namespace {

// The DOM parse's reports come with its parser context, whose _private
// points at the parse's record.
void recordContextError(void *userData, xmlErrorPtr error)
{
    auto *ctxt = static_cast<xmlParserCtxtPtr>(userData);
    recordParseError(*static_cast<ParseErrors *>(ctxt->_private), error);
}

} // namespace

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
                           .arg(winpath::toWindows(path)));
    std::unique_ptr<xmlParserCtxt, decltype(&xmlFreeParserCtxt)> ctxt(xmlNewParserCtxt(), &xmlFreeParserCtxt);
    if (!ctxt)
        throw XmlError(QCoreApplication::translate("XmlParser", "No se puede leer %1: falta memoria")
                           .arg(winpath::toWindows(path)));
    ParseErrors errors;
    ctxt->_private = &errors;
    // A structured handler of this context takes every report of this parse,
    // so that nothing reaches libxml2's default printing on stderr.
    ctxt->sax->serror = &recordContextError;
    const ThreadErrorHandler threadHandler(&recordContextError, ctxt.get());

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
