#include "import/CentreDocument.h"

#include "run/Trimming.h"

QString readTrimmed(const xml::AttributeMap &attributes, const QString &name)
{
    return trimControl(attributes.getNamedItem(name).text());
}
