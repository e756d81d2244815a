#include "run/ExportSummary.h"

#include <QJsonArray>

namespace {

struct LookupNames {
    const char *key;   // in the JSON
    QString text;      // in the details
};

const LookupNames &namesOf(ExportSummary::Lookup lookup)
{
    static const std::array<LookupNames, ExportSummary::lookupCount> names = {{
        {"profesor", QStringLiteral("profesor (PROF en PROFT)")},
        {"grupo", QStringLiteral("grupo (CODGRUPO en GRUPOST)")},
        {"diaHora", QStringLiteral("día y hora (DIA y HORA en DIASHORAST)")},
        {"aula", QStringLiteral("aula (AULA en AULAT)")},
        {"asignatura", QStringLiteral("asignatura (ASIG en ASIGNOMT)")},
    }};
    return names[static_cast<std::size_t>(lookup)];
}

constexpr std::array<ExportSummary::Lookup, ExportSummary::lookupCount> allLookups = {
    ExportSummary::Lookup::Profesor, ExportSummary::Lookup::Grupo, ExportSummary::Lookup::DiaHora,
    ExportSummary::Lookup::Aula, ExportSummary::Lookup::Asignatura};

} // namespace

void ExportSummary::noteUnmatched(Lookup lookup, const QString &code)
{
    Unmatched &u = unmatched[static_cast<std::size_t>(lookup)];
    ++u.sessions;
    if (!u.seen.contains(code)) {
        u.seen.insert(code);
        u.codes << code;
    }
}

const ExportSummary::Unmatched &ExportSummary::unmatchedOf(Lookup lookup) const
{
    return unmatched[static_cast<std::size_t>(lookup)];
}

QString ExportSummary::title() const
{
    return QStringLiteral("Exportación del horario hacia GestIB");
}

QStringList ExportSummary::lines() const
{
    QStringList out;
    out << QStringLiteral("Archivo: %1").arg(outputPath);
    out << QStringLiteral("Sesiones escritas: %1").arg(sessionsWritten);
    out << QStringLiteral("Sesiones sin día (DIA 0), no exportadas: %1").arg(sessionsSkipped);
    out << QStringLiteral("Sesiones cuyo código no se ha encontrado (el atributo queda vacío):");
    for (const Lookup lookup : allLookups) {
        const Unmatched &u = unmatchedOf(lookup);
        QString line = QStringLiteral("    %1: %2").arg(namesOf(lookup).text).arg(u.sessions);
        if (u.sessions > 0)
            line += QStringLiteral("; códigos (%1): %2").arg(u.codes.size()).arg(firstEntries(u.codes).join(QStringLiteral(", ")));
        out << line;
    }
    return out;
}

QJsonObject ExportSummary::toJson() const
{
    QJsonObject lookups;
    for (const Lookup lookup : allLookups) {
        const Unmatched &u = unmatchedOf(lookup);
        lookups.insert(QLatin1String(namesOf(lookup).key),
                       QJsonObject{{QStringLiteral("sesiones"), u.sessions},
                                   {QStringLiteral("codigos"), QJsonArray::fromStringList(u.codes)}});
    }
    return {{QStringLiteral("proceso"), QStringLiteral("importar")},
            {QStringLiteral("archivo"), outputPath},
            {QStringLiteral("sesionesEscritas"), sessionsWritten},
            {QStringLiteral("sesionesSinDia"), sessionsSkipped},
            {QStringLiteral("sinCorrespondencia"), lookups}};
}
