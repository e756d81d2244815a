#include "run/RunSummary.h"

QStringList RunSummary::firstEntries(const QStringList &entries)
{
    QStringList shown = entries.mid(0, shownEntries);
    if (entries.size() > shownEntries)
        shown << QStringLiteral("… y %1 más").arg(entries.size() - shownEntries);
    return shown;
}

QStringList RunSummary::listed(const QStringList &entries)
{
    QStringList lines;
    for (const QString &entry : firstEntries(entries))
        lines << QStringLiteral("    ") + entry;
    return lines;
}
