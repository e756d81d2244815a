#include "platform/XmlReason.h"

#include <cstring>

#include <QCoreApplication>

namespace xml {

namespace {

QString text(const char *utf8) { return QString::fromUtf8(utf8).simplified(); }

bool says(const xmlError &error, const char *words)
{
    return error.message != nullptr && std::strstr(error.message, words) != nullptr;
}

} // namespace

QString reasonFor(const xmlError &error)
{
    const QString str1 = text(error.str1);
    switch (error.code) {
    case XML_ERR_DOCUMENT_EMPTY:
        return QCoreApplication::translate("XmlReason",
                                           "el archivo no es un documento XML: no empieza con un elemento");
    case XML_ERR_DOCUMENT_END:
        return QCoreApplication::translate("XmlReason", "hay más contenido después del final del elemento raíz");
    case XML_ERR_INVALID_CHAR:
        if (says(error, "not proper UTF-8"))
            return QCoreApplication::translate(
                "XmlReason", "el texto no está en UTF-8 y el documento no declara en qué codificación está");
        return QCoreApplication::translate("XmlReason", "el documento contiene un carácter que XML no admite");
    case XML_I18N_CONV_FAILED:
        return QCoreApplication::translate(
            "XmlReason", "el texto contiene bytes que no son válidos en la codificación que declara el documento");
    case XML_ERR_UNSUPPORTED_ENCODING:
        return QCoreApplication::translate("XmlReason",
                                           "la codificación «%1» que declara el documento no está admitida")
            .arg(str1);
    case XML_ERR_INVALID_ENCODING:
        return QCoreApplication::translate("XmlReason",
                                           "la codificación que declara el documento no corresponde a su contenido");
    case XML_ERR_UNDECLARED_ENTITY:
    case XML_WAR_UNDECLARED_ENTITY:
        return QCoreApplication::translate("XmlReason", "la entidad «&%1;» no está definida").arg(str1);
    case XML_ERR_ENTITY_IS_EXTERNAL:
        return QCoreApplication::translate("XmlReason",
                                           "un atributo usa la entidad externa «&%1;», que no se lee por seguridad")
            .arg(str1);
    case XML_ERR_ENTITY_LOOP:
        return QCoreApplication::translate("XmlReason",
                                           "las entidades del documento se repiten a sí mismas o crecen sin medida; "
                                           "no se leen por seguridad");
    case XML_ERR_LT_IN_ATTRIBUTE:
        return QCoreApplication::translate("XmlReason", "el valor de un atributo contiene «<» (debe escribirse &lt;)");
    case XML_ERR_ATTRIBUTE_NOT_STARTED:
        return QCoreApplication::translate("XmlReason", "el valor de un atributo no está entre comillas");
    case XML_ERR_ATTRIBUTE_NOT_FINISHED:
        if (says(error, "too long"))
            return QCoreApplication::translate(
                "XmlReason", "el valor de un atributo es demasiado largo (más de 10 000 000 de caracteres)");
        return QCoreApplication::translate("XmlReason", "el valor de un atributo no se cierra con su comilla");
    case XML_ERR_ATTRIBUTE_WITHOUT_VALUE:
        return QCoreApplication::translate("XmlReason", "el atributo «%1» no tiene valor").arg(str1);
    case XML_ERR_ATTRIBUTE_REDEFINED:
        return QCoreApplication::translate("XmlReason", "el atributo «%1» aparece dos veces en el mismo elemento")
            .arg(str1);
    case XML_ERR_TAG_NAME_MISMATCH:
        return QCoreApplication::translate("XmlReason",
                                           "la etiqueta de cierre </%1> no corresponde a <%2>, abierta en la línea %3")
            .arg(text(error.str2), str1)
            .arg(error.int1);
    case XML_ERR_TAG_NOT_FINISHED:
        return QCoreApplication::translate("XmlReason",
                                           "el documento termina sin cerrar el elemento <%1>, abierto en la línea %2")
            .arg(str1)
            .arg(error.int1);
    case XML_ERR_GT_REQUIRED:
        return QCoreApplication::translate("XmlReason", "la etiqueta <%1> no termina con «>»").arg(str1);
    case XML_ERR_NAME_REQUIRED:
        if (says(error, "EntityRef"))
            return QCoreApplication::translate("XmlReason",
                                               "un «&» no empieza ninguna referencia (debe escribirse &amp;)");
        return QCoreApplication::translate("XmlReason", "falta un nombre válido de elemento o de atributo");
    case XML_ERR_NAME_TOO_LONG:
        return QCoreApplication::translate("XmlReason", "un nombre de elemento o de atributo es demasiado largo");
    case XML_ERR_COMMENT_NOT_FINISHED:
        if (says(error, "too big"))
            return QCoreApplication::translate("XmlReason", "un comentario es demasiado largo");
        return QCoreApplication::translate("XmlReason", "un comentario no está cerrado");
    case XML_ERR_CDATA_NOT_FINISHED:
        return QCoreApplication::translate("XmlReason", "una sección CDATA no está cerrada");
    case XML_ERR_RESERVED_XML_NAME:
        return QCoreApplication::translate("XmlReason",
                                           "la declaración XML solo puede estar al principio del documento");
    case XML_ERR_NO_MEMORY:
        return QCoreApplication::translate("XmlReason", "falta memoria para leer el documento");
    case XML_ERR_INTERNAL_ERROR:
        if (says(error, "Excessive depth"))
            return QCoreApplication::translate("XmlReason", "los elementos están anidados a más de %1 niveles")
                .arg(error.int1);
        if (says(error, "Huge input lookup"))
            return QCoreApplication::translate("XmlReason", "un elemento o un texto es demasiado largo");
        break;
    default:
        break;
    }
    // libxml2's own words, in its language, after ours.
    return QCoreApplication::translate("XmlReason", "el documento no es XML bien formado (%1)")
        .arg(text(error.message));
}

} // namespace xml
