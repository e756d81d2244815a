#pragma once

#include "platform/XmlStreamWriter.h"

#include <QString>

namespace timetable_export {

// One session of the timetable, by GestIB's codes: what the look-ups found,
// and the activity code exactly as SOLUC's TAREA reads. The texts are only
// looked at while the session is written.
struct Sessio {
    QStringView placa;
    QStringView curs;
    QStringView grup;
    QStringView dia;
    QStringView hora;
    QStringView durada;
    QStringView aula;
    QStringView materia;
    QStringView activitat;
};

// The timetable document GestIB reads: HORARI holding SESSIONS, holding one
// SESSIO per session. A solution may hold hundreds of thousands of sessions,
// so each is written to the file as it comes instead of building the whole
// tree first; the file replaces an older one only once it is finished.
class SolucioHorari {
public:
    // Starts HORARI and its SESSIONS in a new file for `path`.
    explicit SolucioHorari(const QString &path);

    // Writes one SESSIO carrying all nine attributes in GestIB's order, empty
    // ones included. A session whose activitat is not blank is an activity,
    // which GestIB takes without course, group, subject or room.
    void append(const Sessio &sessio);

    // Ends the document and puts it in place of an older one. Without it (a
    // run that fails) the older file stays as it was.
    void finish();

private:
    xml::StreamWriter m_writer;
    // Every SESSIO writes the same names: they are checked once.
    const xml::Name m_sessio{QStringLiteral("SESSIO")};
    const xml::Name m_placa{QStringLiteral("placa")};
    const xml::Name m_curs{QStringLiteral("curs")};
    const xml::Name m_grup{QStringLiteral("grup")};
    const xml::Name m_dia{QStringLiteral("dia")};
    const xml::Name m_hora{QStringLiteral("hora")};
    const xml::Name m_durada{QStringLiteral("durada")};
    const xml::Name m_aula{QStringLiteral("aula")};
    const xml::Name m_materia{QStringLiteral("materia")};
    const xml::Name m_activitat{QStringLiteral("activitat")};
};

} // namespace timetable_export
