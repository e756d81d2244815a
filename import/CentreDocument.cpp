#include "import/CentreDocument.h"

#include "run/Trimming.h"

namespace centre_import {

QString readTrimmed(const xml::AttributeMap &attributes, const QString &name)
{
    return trimControl(attributes.getNamedItem(name).text());
}

} // namespace centre_import
