#include "import/CentreDocument.h"

#include "app/MainFormState.h"

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

QString trimControl(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}
