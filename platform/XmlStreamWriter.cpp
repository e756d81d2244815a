#include "platform/XmlStreamWriter.h"

#include "platform/XmlCharacters.h"
#include "platform/XmlDocument.h"
#include "platform/XmlParser.h"

namespace xml {
namespace {

// Large enough that the file sees few writes, small enough to stay out of
// the way of a document of any size.
constexpr qsizetype kBlock = 64 * 1024;

// As libxml2 escapes an attribute value when it saves a document in UTF-8.
void appendEscaped(QByteArray &out, const QByteArray &utf8)
{
    const char *run = utf8.constData();
    const char *const end = run + utf8.size();
    for (const char *c = run; c != end; ++c) {
        const char *reference = nullptr;
        switch (*c) {
        case '<': reference = "&lt;"; break;
        case '>': reference = "&gt;"; break;
        case '&': reference = "&amp;"; break;
        case '"': reference = "&quot;"; break;
        case '\t': reference = "&#9;"; break;
        case '\n': reference = "&#10;"; break;
        case '\r': reference = "&#13;"; break;
        default: continue;
        }
        out.append(run, c - run);
        out.append(reference);
        run = c + 1;
    }
    out.append(run, end - run);
}

// Control characters other than tab and line breaks, U+FFFE and U+FFFF (EF
// BF BE/BF in UTF-8): the few values that may hold one get the full check,
// which names the character.
bool mayHoldForbiddenCharacter(const QByteArray &utf8)
{
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0xEF)
            return true;
    }
    return false;
}

} // namespace

StreamWriter::StreamWriter(const QString &path) : m_file(path), m_path(path)
{
    initLibxml();
    m_pending.reserve(kBlock + 4096);
    if (!m_file.open(QIODevice::WriteOnly))
        fail();
}

void StreamWriter::startElement(const QString &name)
{
    const QByteArray utf8 = checkedName(name);
    closeStartTag();
    m_pending.append('<');
    m_pending.append(utf8);
    m_open.push_back(utf8);
    m_startTagOpen = true;
}

void StreamWriter::attribute(const QString &name, const QString &value)
{
    if (!m_startTagOpen)
        throw XmlError(QStringLiteral("No se puede dar valor al atributo \"%1\": no se está empezando ningún elemento").arg(name));
    const QByteArray utf8Name = checkedName(name);
    const QByteArray utf8Value = value.toUtf8();
    if (mayHoldForbiddenCharacter(utf8Value))
        requireXmlCharacters(name, value);
    m_pending.append(' ');
    m_pending.append(utf8Name);
    m_pending.append("=\"");
    appendEscaped(m_pending, utf8Value);
    m_pending.append('"');
}

void StreamWriter::endElement()
{
    if (m_open.empty())
        throw XmlError(QStringLiteral("No se puede cerrar un elemento: no hay ninguno abierto"));
    if (m_startTagOpen) {
        m_pending.append("/>");
        m_startTagOpen = false;
    } else {
        m_pending.append("</");
        m_pending.append(m_open.back());
        m_pending.append('>');
    }
    m_open.pop_back();
    if (m_pending.size() >= kBlock)
        writeOut();
}

void StreamWriter::commit()
{
    if (!m_open.empty())
        throw XmlError(QStringLiteral("No se puede escribir %1: el elemento \"%2\" no está cerrado")
                           .arg(displayName(m_path), QString::fromUtf8(m_open.back())));
    m_pending.append('\n');
    writeOut();
    // commit() misses a failure of its own final flush (a full disk gives a
    // short write), so the data is flushed and checked first.
    if (!m_file.flush() || !m_file.commit())
        fail();
}

void StreamWriter::closeStartTag()
{
    if (!m_startTagOpen)
        return;
    m_pending.append('>');
    m_startTagOpen = false;
}

void StreamWriter::writeOut()
{
    if (m_file.write(m_pending) != m_pending.size())
        fail();
    m_pending.clear();
    m_pending.reserve(kBlock + 4096);
}

void StreamWriter::fail()
{
    const QString reason = m_file.errorString();
    m_file.cancelWriting();
    throw XmlError(QStringLiteral("No se puede escribir %1: %2").arg(displayName(m_path), reason));
}

} // namespace xml
