#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>
#include <vector>

namespace centre_import {

// What the import's steps read of a GestIB centre document, read in one pass:
// each list in document order, taken only from the element paths the steps
// read (/CENTRE/MATERIES/MATERIA and so on; an element of the same name
// elsewhere is not one of them), each attribute trimmed as readTrimmed
// trims it, a missing one empty.
struct Materia {
    QString codi, curs, descripcio, curta;
};
struct Activitat {
    QString codi, descripcio, curta;
};
struct Placa {
    QString codi, descripcio, curta;
};
struct Aula {
    QString codi, descripcio;
};
struct Grup {
    QString codi, nom;
};
struct Curs {
    QString codi, descripcio;
    std::vector<Grup> grups; // the course's own GRUP children
};

struct CentreDocument {
    QString root; // the root element's name as written
    // The root's codi and any, with blanks trimmed, for the kept tables' manifest.
    QString codi, any;
    std::vector<Materia> materies;     // /CENTRE/MATERIES/MATERIA
    std::vector<Activitat> activitats; // /CENTRE/ACTIVITATS/ACTIVITAT
    std::vector<Placa> places;         // /CENTRE/PLACES/PLACA
    std::vector<Aula> aules;           // /CENTRE/AULES/AULA
    std::vector<Curs> cursos;          // /CENTRE/CURSOS/CURS and their GRUP
};

// Calls write(record) for every record of a section, in document order,
// letting each record go once it is written, and leaves the section empty:
// the records of a large centre are most of what the import holds, and the
// step's own look-ups then grow into the room its records leave.
template <class Record, class Write>
void writeAndRelease(std::vector<Record> &section, Write write)
{
    for (Record &record : section) {
        write(std::as_const(record));
        record = Record{};
    }
    section = {};
}

// Reads the centre document at `path` in one pass; nothing of it is kept but
// the records. A file that is not well-formed XML is refused as
// xml::Document::load refuses it, with the same messages. A root other than
// CENTRE gives no records (see requireCentreDocument).
CentreDocument readCentreDocument(const QString &path);
// The same of a document held in memory; errors name it `name`.
CentreDocument readCentreDocument(const QByteArray &bytes, const QString &name);

// Refuses a document whose root is not CENTRE, naming the file at `path`:
// every step re-creates its tables before it reads the document, so another
// kind of document would end in empty tables and a finished run.
void requireCentreDocument(const CentreDocument &document, const QString &path);

} // namespace centre_import
