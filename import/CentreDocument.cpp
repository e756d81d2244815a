#include "import/CentreDocument.h"

#include "run/Trimming.h"
#include "platform/Error.h"
#include "platform/WinPath.h"

#include <QCoreApplication>

namespace centre_import {

QString readTrimmed(const xml::AttributeMap &attributes, const QString &name)
{
    return trimControl(attributes.getNamedItem(name).text());
}

void requireCentreDocument(const xml::Document &document, const QString &path)
{
    const QString root = document.documentElement().nodeName();
    if (root != u"CENTRE")
        throw Error(
            Error::Kind::RefusedDocument,
            QCoreApplication::translate("CentreDocument",
                                        "%1 no es un documento de centro de GestIB: su elemento raíz es %2, no CENTRE")
                .arg(winpath::toWindows(path), root));
}

} // namespace centre_import
