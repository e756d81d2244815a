#include "import/RestoreSummary.h"

#include "import/ImportedTables.h"

#include <QCoreApplication>

QString RestoreSummary::title() const
{
    return QCoreApplication::translate("RestoreSummary", "Restauración de una copia");
}

QStringList RestoreSummary::lines() const
{
    QStringList out;
    out << QCoreApplication::translate("RestoreSummary", "Copia restaurada: %1 (%2)").arg(backup, restored.centre());
    if (!restored.document.isEmpty())
        out << QCoreApplication::translate("RestoreSummary", "Documento: %1").arg(restored.document);
    out << QCoreApplication::translate("RestoreSummary", "Filas de cada tabla:");
    for (const auto &[table, rows] : restored.rows) {
        const QString count = rows < 0 ? QCoreApplication::translate("RestoreSummary", "no se ha podido leer")
                                       : QString::number(rows);
        out << QStringLiteral("    %1 (%2): %3").arg(table, centre_import::tableContents(table), count);
    }
    if (!kept.isEmpty())
        out << QCoreApplication::translate("RestoreSummary", "Copia de las tablas sustituidas: %1").arg(kept);
    return out;
}

QStringList RestoreSummary::warnings() const { return {}; }

QJsonObject RestoreSummary::toJson() const
{
    QJsonObject rows;
    for (const auto &[table, count] : restored.rows)
        rows.insert(table, count < 0 ? QJsonValue() : QJsonValue(count));
    return {{QStringLiteral("restaurada"), backup},
            {QStringLiteral("centro"), restored.codi},
            {QStringLiteral("curso"), restored.any},
            {QStringLiteral("documento"), restored.document},
            {QStringLiteral("filas"), rows},
            {QStringLiteral("copia"), kept.isEmpty() ? QJsonValue() : QJsonValue(kept)}};
}
