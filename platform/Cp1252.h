#pragma once

#include <QByteArray>
#include <QString>

// Windows code page 1252, the character set of the tables we write. Our own
// table keeps the tables readable and writable without depending on which
// codecs the Qt build carries.
namespace dbf::cp1252 {

// Text for the bytes; the five bytes the code page leaves undefined come back
// as the control characters of the same value, as Windows decodes them.
QString decode(const char *bytes, qsizetype size);
// The same into `text`, reusing its storage.
void decode(const char *bytes, qsizetype size, QString &text);

// The text into out, one byte per character and at most maxBytes; characters
// the code page lacks become '?'. Returns the number of bytes written.
qsizetype encode(QStringView text, char *out, qsizetype maxBytes);
QByteArray encode(QStringView text, qsizetype maxBytes);

} // namespace dbf::cp1252
