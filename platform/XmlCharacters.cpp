#include "platform/XmlCharacters.h"

#include "platform/XmlError.h"

#include <QCoreApplication>
#include <QList>

#include <libxml/tree.h>

namespace xml {

QByteArray checkedName(const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    if (xmlValidateName(BAD_CAST utf8.constData(), 0) != 0)
        throw XmlError(QStringLiteral("\"%1\" no es un nombre XML válido").arg(name));
    return utf8;
}

void requireXmlCharacters(const QString &attribute, const QString &value)
{
    for (const char32_t c : value.toUcs4()) {
        const bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
            || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
        if (!allowed)
            throw XmlError(
                QCoreApplication::translate("XmlCharacters",
                                            "El valor del atributo \"%1\" contiene el carácter U+%2, que XML no admite")
                    .arg(attribute)
                    .arg(uint(c), 4, 16, QLatin1Char('0')));
    }
}

} // namespace xml
