#pragma once

#include "platform/XmlDocument.h"

#include <QString>

// One session of the timetable, by GestIB's codes: what the look-ups found,
// and the activity code exactly as SOLUC's TAREA reads.
struct Sessio {
    QString placa;
    QString curs;
    QString grup;
    QString dia;
    QString hora;
    QString durada;
    QString aula;
    QString materia;
    QString activitat;
};

// The timetable document GestIB reads: HORARI holding SESSIONS, holding one
// SESSIO per session, built in a document of the XML layer.
class SolucioHorari {
public:
    // Builds HORARI with an empty SESSIONS in a new, empty document.
    explicit SolucioHorari(xml::Document &document);

    // Appends one SESSIO carrying all nine attributes in GestIB's order, empty
    // ones included. A session whose activitat is not blank is an activity,
    // which GestIB takes without course, group, subject or room.
    void append(const Sessio &sessio);

private:
    xml::Document &m_document;
    xml::Node m_sessions;
};
