#include "run/RunSummary.h"

#include <QCoreApplication>

QString RunSummary::warningPrefix() { return QCoreApplication::translate("RunSummary", "Aviso: "); }

QString RunSummary::finishedText() const
{
    const qsizetype count = warnings().size();
    if (count == 0)
        return QCoreApplication::translate("RunSummary", "Proceso finalizado");
    if (count == 1)
        return QCoreApplication::translate("RunSummary", "Proceso finalizado con 1 aviso");
    return QCoreApplication::translate("RunSummary", "Proceso finalizado con %1 avisos").arg(count);
}

QStringList RunSummary::details() const
{
    QStringList out;
    for (const QString &warning : warnings())
        out << warningPrefix() + warning;
    return out + lines();
}

QStringList RunSummary::firstEntries(const QStringList &entries)
{
    QStringList shown = entries.mid(0, shownEntries);
    if (entries.size() > shownEntries)
        shown << QCoreApplication::translate("RunSummary", "… y %1 más").arg(entries.size() - shownEntries);
    return shown;
}

QStringList RunSummary::listed(const QStringList &entries)
{
    QStringList lines;
    for (const QString &entry : firstEntries(entries))
        lines << QStringLiteral("    ") + entry;
    return lines;
}
