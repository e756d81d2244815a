#include "export/ExportSummary.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

struct LookupNames {
    const char *key;    // in the JSON
    const char *text;       // in the details
    const char *notFound;   // the warning's words for a code it did not find
    const char *attributes; // the session's attributes it leaves empty then
    const char *remedy;     // what the user can do about it
};

// The texts above are translated where they are used.
QString translated(const char *text) { return QCoreApplication::translate("ExportSummary", text); }

const char *const codesRemedy = QT_TRANSLATE_NOOP("ExportSummary",
    "corrija esos códigos en el programa de horarios, o repita la importación del centro, y exporte de nuevo");

const LookupNames &namesOf(ExportSummary::Lookup lookup)
{
    static const std::array<LookupNames, ExportSummary::lookupCount> names = {{
        {"profesor", QT_TRANSLATE_NOOP("ExportSummary", "profesor (PROF en PROFT)"),
         QT_TRANSLATE_NOOP("ExportSummary", "cuyo profesor (PROF) no está en PROFT"),
         QT_TRANSLATE_NOOP("ExportSummary", "«placa» queda vacío"), codesRemedy},
        {"grupo", QT_TRANSLATE_NOOP("ExportSummary", "grupo (CODGRUPO en GRUPOST)"),
         QT_TRANSLATE_NOOP("ExportSummary", "cuyo grupo (CODGRUPO) no está en GRUPOST"),
         QT_TRANSLATE_NOOP("ExportSummary", "«curs» y «grup» quedan vacíos"), codesRemedy},
        {"diaHora", QT_TRANSLATE_NOOP("ExportSummary", "día y hora (DIA y HORA en DIASHORAST)"),
         QT_TRANSLATE_NOOP("ExportSummary", "cuyo día y hora (DIA y HORA) no están en DIASHORAST"),
         QT_TRANSLATE_NOOP("ExportSummary", "«dia», «hora» y «durada» quedan vacíos"),
         QT_TRANSLATE_NOOP("ExportSummary",
                           "complete los días y horas (DIASHORAST) en el programa de horarios y exporte de nuevo")},
        {"aula", QT_TRANSLATE_NOOP("ExportSummary", "aula (AULA en AULAT)"),
         QT_TRANSLATE_NOOP("ExportSummary", "cuya aula (AULA) no está en AULAT"),
         QT_TRANSLATE_NOOP("ExportSummary", "«aula» queda vacío"), codesRemedy},
        {"asignatura", QT_TRANSLATE_NOOP("ExportSummary", "asignatura (ASIG en ASIGNOMT)"),
         QT_TRANSLATE_NOOP("ExportSummary", "cuya asignatura (ASIG) no está en ASIGNOMT"),
         QT_TRANSLATE_NOOP("ExportSummary", "«materia» queda vacío"), codesRemedy},
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
    return QCoreApplication::translate("ExportSummary", "Exportación del horario hacia GestIB");
}

QStringList ExportSummary::lines() const
{
    QStringList out;
    out << QCoreApplication::translate("ExportSummary", "Archivo: %1").arg(outputPath);
    out << QCoreApplication::translate("ExportSummary", "Sesiones escritas: %1").arg(sessionsWritten);
    out << QCoreApplication::translate("ExportSummary", "Sesiones sin día (DIA 0), no exportadas: %1")
               .arg(sessionsSkipped);
    out << QCoreApplication::translate("ExportSummary",
                                       "Sesiones cuyo código no se ha encontrado (el atributo queda vacío):");
    for (const Lookup lookup : allLookups) {
        const Unmatched &u = unmatchedOf(lookup);
        QString line = QStringLiteral("    %1: %2").arg(translated(namesOf(lookup).text)).arg(u.sessions);
        if (u.sessions > 0)
            line += QCoreApplication::translate("ExportSummary", "; códigos (%1): %2")
                        .arg(u.codes.size())
                        .arg(firstEntries(u.codes).join(QStringLiteral(", ")));
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
    return QCoreApplication::translate("ExportSummary", "%1 %2 (véase la lista abajo): %3; %4.")
        .arg(u.sessions == 1 ? QCoreApplication::translate("ExportSummary", "1 sesión")
                             : QCoreApplication::translate("ExportSummary", "%1 sesiones").arg(u.sessions),
             translated(names.notFound), translated(names.attributes), translated(names.remedy));
}

QStringList ExportSummary::warnings() const
{
    QStringList out;
    for (const Lookup lookup : allLookups)
        if (const QString warning = unmatchedWarning(lookup); !warning.isEmpty())
            out << warning;
    if (sessionsWritten == 0 && earlierSessions > 0)
        out << QCoreApplication::translate(
                   "ExportSummary",
                   "No se ha escrito ninguna sesión y el SolucioHorari.xml anterior, que tenía %1, se ha "
                   "sustituido: compruebe que el programa de horarios ha guardado su solución en SOLUC y "
                   "exporte de nuevo.")
                   .arg(earlierSessions == 1
                            ? QCoreApplication::translate("ExportSummary", "1 sesión")
                            : QCoreApplication::translate("ExportSummary", "%1 sesiones").arg(earlierSessions));
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
    // The run named as the command and the timetabling program's parameter
    // name it: from that program's side, handing its timetable to GestIB is "importar".
    return {{QStringLiteral("proceso"), QStringLiteral("importar")},
            {QStringLiteral("archivo"), outputPath},
            {QStringLiteral("sesionesEscritas"), sessionsWritten},
            {QStringLiteral("sesionesSinDia"), sessionsSkipped},
            {QStringLiteral("sinCorrespondencia"), lookups}};
}
