#include "run/ExportSummary.h"

#include <QJsonArray>

namespace {

struct LookupNames {
    const char *key;    // in the JSON
    QString text;       // in the details
    QString notFound;   // the warning's words for a code it did not find
    QString attributes; // the session's attributes it leaves empty then
    QString remedy;     // what the user can do about it
};

const QString codesRemedy = QStringLiteral(
    "corrija esos códigos en el programa de horarios, o repita la importación del centro, y exporte de nuevo");

const LookupNames &namesOf(ExportSummary::Lookup lookup)
{
    static const std::array<LookupNames, ExportSummary::lookupCount> names = {{
        {"profesor", QStringLiteral("profesor (PROF en PROFT)"), QStringLiteral("cuyo profesor (PROF) no está en PROFT"),
         QStringLiteral("«placa» queda vacío"), codesRemedy},
        {"grupo", QStringLiteral("grupo (CODGRUPO en GRUPOST)"),
         QStringLiteral("cuyo grupo (CODGRUPO) no está en GRUPOST"), QStringLiteral("«curs» y «grup» quedan vacíos"),
         codesRemedy},
        {"diaHora", QStringLiteral("día y hora (DIA y HORA en DIASHORAST)"),
         QStringLiteral("cuyo día y hora (DIA y HORA) no están en DIASHORAST"),
         QStringLiteral("«dia», «hora» y «durada» quedan vacíos"),
         QStringLiteral("complete los días y horas (DIASHORAST) en el programa de horarios y exporte de nuevo")},
        {"aula", QStringLiteral("aula (AULA en AULAT)"), QStringLiteral("cuya aula (AULA) no está en AULAT"),
         QStringLiteral("«aula» queda vacío"), codesRemedy},
        {"asignatura", QStringLiteral("asignatura (ASIG en ASIGNOMT)"),
         QStringLiteral("cuya asignatura (ASIG) no está en ASIGNOMT"), QStringLiteral("«materia» queda vacío"),
         codesRemedy},
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

QString ExportSummary::unmatchedWarning(Lookup lookup) const
{
    const Unmatched &u = unmatchedOf(lookup);
    if (u.sessions == 0)
        return {};
    const LookupNames &names = namesOf(lookup);
    return QStringLiteral("%1 %2 (véase la lista abajo): %3; %4.")
        .arg(u.sessions == 1 ? QStringLiteral("1 sesión") : QStringLiteral("%1 sesiones").arg(u.sessions),
             names.notFound, names.attributes, names.remedy);
}

QStringList ExportSummary::warnings() const
{
    QStringList out;
    for (const Lookup lookup : allLookups)
        if (const QString warning = unmatchedWarning(lookup); !warning.isEmpty())
            out << warning;
    if (sessionsWritten == 0 && earlierSessions > 0)
        out << QStringLiteral("No se ha escrito ninguna sesión y el SolucioHorari.xml anterior, que tenía %1, se ha "
                              "sustituido: compruebe que el programa de horarios ha guardado su solución en SOLUC y "
                              "exporte de nuevo.")
                   .arg(earlierSessions == 1 ? QStringLiteral("1 sesión")
                                             : QStringLiteral("%1 sesiones").arg(earlierSessions));
    return out;
}

QJsonObject ExportSummary::toJson() const
{
    QJsonObject lookups;
    for (const Lookup lookup : allLookups) {
        const Unmatched &u = unmatchedOf(lookup);
        QJsonObject found{{QStringLiteral("sesiones"), u.sessions},
                          {QStringLiteral("codigos"), QJsonArray::fromStringList(u.codes)}};
        if (const QString warning = unmatchedWarning(lookup); !warning.isEmpty())
            found.insert(QStringLiteral("aviso"), warning);
        lookups.insert(QLatin1String(namesOf(lookup).key), found);
    }
    return {{QStringLiteral("proceso"), QStringLiteral("importar")},
            {QStringLiteral("archivo"), outputPath},
            {QStringLiteral("sesionesEscritas"), sessionsWritten},
            {QStringLiteral("sesionesSinDia"), sessionsSkipped},
            {QStringLiteral("sinCorrespondencia"), lookups}};
}
