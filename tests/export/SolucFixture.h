#pragma once

#include "import/TableLayouts.h"
#include "platform/FieldDef.h"
#include "tests/support/SolucLayout.h"
#include "tests/support/TableRows.h"

#include <QString>
#include <QStringList>

#include <vector>

// The tables the timetable export reads, written into the working folder of
// the current WINEPREFIX: the centre import's look-up tables with their full
// layouts, and a SOLUC as the timetabling program leaves it. Tests name only
// the fields the export reads; the others stay blank.
namespace solucfixture {

using Rows = std::vector<QStringList>;

struct TableSpec {
    QString name;
    std::vector<dbf::FieldDef> layout;
    QStringList columns; // the fields each row gives, in this order
};

inline const TableSpec &proft()
{
    static const TableSpec spec{QStringLiteral("PROFT"),
                                centre_import::proftFields(),
                                {QStringLiteral("ABREV"), QStringLiteral("CODI")}};
    return spec;
}

inline const TableSpec &grupost()
{
    static const TableSpec spec{QStringLiteral("GRUPOST"),
                                centre_import::grupostFields(),
                                {QStringLiteral("ABREV"), QStringLiteral("CODI"), QStringLiteral("CODICURS")}};
    return spec;
}

inline const TableSpec &aulat()
{
    static const TableSpec spec{QStringLiteral("AULAT"),
                                centre_import::aulatFields(),
                                {QStringLiteral("ABREV"), QStringLiteral("CODI")}};
    return spec;
}

inline const TableSpec &asignomt()
{
    static const TableSpec spec{QStringLiteral("ASIGNOMT"),
                                centre_import::asignomtFields(),
                                {QStringLiteral("COD"), QStringLiteral("CODI")}};
    return spec;
}

inline const TableSpec &diashorast()
{
    static const TableSpec spec{QStringLiteral("DIASHORAST"),
                                centre_import::diashorastFields(),
                                {QStringLiteral("DIHO"), QStringLiteral("DIA"), QStringLiteral("HORADESDE"),
                                 QStringLiteral("MINUTOS")}};
    return spec;
}

// The timetabling program's solution.
inline const TableSpec &soluc()
{
    static const TableSpec spec{QStringLiteral("SOLUC"),
                                solucFields(),
                                {QStringLiteral("DIA"), QStringLiteral("HORA"), QStringLiteral("PROF"),
                                 QStringLiteral("CODGRUPO"), QStringLiteral("AULA"), QStringLiteral("ASIG"),
                                 QStringLiteral("TAREA")}};
    return spec;
}

// A table like `spec` without some of its fields.
inline TableSpec without(TableSpec spec, const QStringList &fields)
{
    std::erase_if(spec.layout, [&](const dbf::FieldDef &f) { return fields.contains(f.name); });
    for (const QString &field : fields)
        spec.columns.removeAll(field);
    return spec;
}

// Creates the table in C:\VTEMP, replacing any older one, and appends the rows.
inline void writeTable(const TableSpec &spec, const Rows &rows)
{
    writeTableRows(spec.name, spec.layout, rows, spec.columns);
}

// The six tables of one run. Rows give the columns of their TableSpec:
// PROFT and AULAT ABREV, CODI; GRUPOST ABREV, CODI, CODICURS; ASIGNOMT COD,
// CODI; DIASHORAST DIHO, DIA, HORADESDE, MINUTOS; SOLUC DIA, HORA, PROF,
// CODGRUPO, AULA, ASIG, TAREA.
struct School {
    Rows proft;
    Rows grupost;
    Rows aulat;
    Rows asignomt;
    Rows diashorast;
    Rows soluc;
};

inline void writeLookupTables(const School &school)
{
    writeTable(solucfixture::proft(), school.proft);
    writeTable(solucfixture::grupost(), school.grupost);
    writeTable(solucfixture::aulat(), school.aulat);
    writeTable(solucfixture::asignomt(), school.asignomt);
    writeTable(solucfixture::diashorast(), school.diashorast);
}

inline void writeSchool(const School &school)
{
    writeLookupTables(school);
    writeTable(solucfixture::soluc(), school.soluc);
}

// The DIASHORAST row of one day and period, with values that tell every
// period apart.
inline QStringList diaHora(int day, int period)
{
    return {QString::number(day) + QString::number(period), QStringLiteral("Dia %1").arg(day),
            QStringLiteral("%1:%2").arg(7 + period, 2, 10, QLatin1Char('0')).arg(period * 5, 2, 10, QLatin1Char('0')),
            QString::number(50 + period)};
}

// A small school: two of each, and days 1 to 5 with periods 1 to 6.
inline School smallSchool()
{
    School school;
    school.proft = {{"ABC", "P-ABC"}, {"XYZ", "P-XYZ"}};
    school.grupost = {{"1ESO-A", "G-1A", "C-1ESO"}, {"2ESO-B", "G-2B", "C-2ESO"}};
    school.aulat = {{"A01", "R-A01"}, {"LAB", "R-LAB"}};
    school.asignomt = {{"MAT1", "S-MAT1"}, {"CAS1", "S-CAS1"}};
    for (int day = 1; day <= 5; ++day)
        for (int period = 1; period <= 6; ++period)
            school.diashorast.push_back(diaHora(day, period));
    return school;
}

// The small school with one class in SOLUC: day 1, period 2, every code known.
inline School oneClassSchool()
{
    School school = smallSchool();
    school.soluc = {{"1", "2", "ABC", "1ESO-A", "A01", "MAT1", ""}};
    return school;
}

// Adds a teacher, a group, a room and a subject, each with the short code
// "ESC", whose GestIB codes are the given texts: SOLUC rows naming "ESC" carry
// those texts into the document.
inline void addCodedEsc(School &school, const QString &placa, const QString &grup, const QString &curs,
                        const QString &aula, const QString &materia)
{
    const QString esc = QStringLiteral("ESC");
    school.proft.push_back({esc, placa});
    school.grupost.push_back({esc, grup, curs});
    school.aulat.push_back({esc, aula});
    school.asignomt.push_back({esc, materia});
}

} // namespace solucfixture
