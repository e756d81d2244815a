#pragma once

#include <QByteArray>
#include <QString>

// What XML 1.0 can hold, checked before the stream writer writes a name or a
// value (private to the platform layer).
namespace xml {

// The name in UTF-8; XmlError when it is no valid XML name.
QByteArray checkedName(const QString &name);

// XmlError naming the attribute when its value holds a character that XML
// 1.0 cannot hold at all (most control characters, U+FFFE, U+FFFF), so that
// nothing is written that could never be read back.
void requireXmlCharacters(const QString &attribute, const QString &value);

} // namespace xml
