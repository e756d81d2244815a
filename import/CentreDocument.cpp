#include "import/CentreDocument.h"

#include "run/MainFormState.h"
#include "run/Trimming.h"

int selectCentreNodes(MainFormState &form, const QString &absolutePath)
{
    form.ListaNodos = form.DocXML->selectNodes(absolutePath);
    return form.ListaNodos.length();
}

void takeCentreNode(MainFormState &form, int i)
{
    form.NodoActual = form.ListaNodos.item(i);
    form.AtributosNodo = form.NodoActual.attributes();
}

QString readTrimmed(const xml::AttributeMap &attributes, const QString &name)
{
    return trimControl(attributes.getNamedItem(name).text());
}
