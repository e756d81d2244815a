#include "platform/XmlStreamWriter.h"

#include "platform/WinPath.h"
#include "platform/XmlCharacters.h"
#include "platform/XmlError.h"
#include "platform/XmlParser.h"

#include <QCoreApplication>

#include <algorithm>

#ifdef __linux__
#include <fcntl.h>
#endif

namespace xml {
namespace {

// Large enough that the file sees few writes, small enough to stay out of
// the way of a document of any size.
constexpr qsizetype kBlock = 256 * 1024;

// The reference libxml2 writes for a character of an attribute value it
// does not write as it is, or nullptr.
const char *reference(char16_t c)
{
    switch (c) {
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '&': return "&amp;";
    case '"': return "&quot;";
    case '\t': return "&#9;";
    case '\n': return "&#10;";
    case '\r': return "&#13;";
    default: return nullptr;
    }
}

// The longest a character of the text becomes: "&quot;".
constexpr qsizetype kLongestEscape = 6;

// Writes the value at `at` in UTF-8 as libxml2 escapes it when it saves a
// document, converted straight from the text, and returns where it ends.
// Returns nullptr for a value it leaves to the careful path: one holding a
// surrogate, or a character XML cannot hold, which that path names.
char *writeEscapedDirectly(char *at, QStringView value)
{
    for (const QChar character : value) {
        const char16_t c = character.unicode();
        if (c < 0x80) {
            if (const char *r = reference(c)) {
                while (*r)
                    *at++ = *r++;
            } else if (c < 0x20) {
                return nullptr;
            } else {
                *at++ = char(c);
            }
        } else if (c < 0x800) {
            *at++ = char(0xC0 | (c >> 6));
            *at++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isSurrogate(c) || c >= 0xFFFE) {
            return nullptr;
        } else {
            *at++ = char(0xE0 | (c >> 12));
            *at++ = char(0x80 | ((c >> 6) & 0x3F));
            *at++ = char(0x80 | (c & 0x3F));
        }
    }
    return at;
}

// The same from the value's UTF-8, as Qt converts it.
QByteArray escaped(const QByteArray &utf8)
{
    QByteArray out;
    const char *run = utf8.constData();
    const char *const end = run + utf8.size();
    for (const char *c = run; c != end; ++c) {
        const char *r = reference(char16_t(static_cast<unsigned char>(*c)));
        if (!r)
            continue;
        out.append(run, c - run);
        out.append(r);
        run = c + 1;
    }
    out.append(run, end - run);
    return out;
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

Name::Name(const QString &name) : m_utf8(checkedName(name)) {}

StreamWriter::StreamWriter(const QString &path) : m_file(path), m_path(path)
{
    initLibxml();
    m_pending.resize(kBlock + 4096);
    // Blocks go to the file as they are written, so that the disk can start
    // on them (see writeOut).
    if (!m_file.open())
        fail();
}

void StreamWriter::startElement(const Name &name)
{
    closeStartTag();
    put("<");
    put(name.m_utf8);
    m_open.push_back(name.m_utf8);
    m_startTagOpen = true;
}

void StreamWriter::attribute(const Name &name, QStringView value)
{
    if (!m_startTagOpen)
        throw XmlError(
            QCoreApplication::translate(
                "XmlStreamWriter", "No se puede dar valor al atributo \"%1\": no se está empezando ningún elemento")
                .arg(QString::fromUtf8(name.m_utf8)));
    // ` name="value"`, written into room for the longest it can become.
    char *const start = room(name.m_utf8.size() + 4 + value.size() * kLongestEscape);
    char *at = start;
    *at++ = ' ';
    at = std::copy(name.m_utf8.cbegin(), name.m_utf8.cend(), at);
    *at++ = '=';
    *at++ = '"';
    if ((at = writeEscapedDirectly(at, value))) {
        *at++ = '"';
        m_used += at - start;
        return;
    }
    // The careful path checks the value before anything of it is written.
    const QByteArray utf8Value = value.toUtf8();
    if (mayHoldForbiddenCharacter(utf8Value))
        requireXmlCharacters(QString::fromUtf8(name.m_utf8), value.toString());
    put(" ");
    put(name.m_utf8);
    put("=\"");
    put(escaped(utf8Value));
    put("\"");
}

void StreamWriter::endElement()
{
    if (m_open.empty())
        throw XmlError(
            QCoreApplication::translate("XmlStreamWriter", "No se puede cerrar un elemento: no hay ninguno abierto"));
    if (m_startTagOpen) {
        put("/>");
        m_startTagOpen = false;
    } else {
        put("</");
        put(m_open.back());
        put(">");
    }
    m_open.pop_back();
    if (m_used >= kBlock)
        writeOut();
}

void StreamWriter::commit()
{
    if (!m_open.empty())
        throw XmlError(QCoreApplication::translate("XmlStreamWriter",
                                                   "No se puede escribir %1: el elemento \"%2\" no está cerrado")
                           .arg(winpath::toWindows(m_path), QString::fromUtf8(m_open.back())));
    put("\n");
    writeOut();
    if (!m_file.commit())
        fail();
}

void StreamWriter::closeStartTag()
{
    if (!m_startTagOpen)
        return;
    put(">");
    m_startTagOpen = false;
}

char *StreamWriter::room(qsizetype size)
{
    if (m_used + size > m_pending.size())
        m_pending.resize(std::max(m_used + size, 2 * m_pending.size()));
    return m_pending.data() + m_used;
}

void StreamWriter::put(QByteArrayView bytes)
{
    std::copy(bytes.cbegin(), bytes.cend(), room(bytes.size()));
    m_used += bytes.size();
}

void StreamWriter::writeOut()
{
    if (!m_file.write(QByteArrayView(m_pending.constData(), m_used)))
        fail();
#ifdef __linux__
    // The commit waits until the whole file is on disk. Starting each block
    // on its way now lets the disk write while the rest of the document is
    // made, instead of all of it at the end; only a hint, so its failure
    // changes nothing.
    ::sync_file_range(m_file.handle(), m_written, m_used, SYNC_FILE_RANGE_WRITE);
#endif
    m_written += m_used;
    m_used = 0;
}

void StreamWriter::fail()
{
    const QString reason = m_file.errorReason();
    m_file.cancel();
    throw XmlError(
        QCoreApplication::translate("XmlStreamWriter", "No se puede escribir %1: %2")
            .arg(winpath::toWindows(m_path), reason));
}

} // namespace xml
