#pragma once

// The tables and the document that the later steps of the centre import read,
// written directly, so that each step is tested without the steps before it;
// and the tables they write, read back by python3-dbf.

#include "run/MainFormState.h"
#include "import/TableLayouts.h"
#include "platform/FieldDef.h"
#include "import/CentreDocument.h"
#include "tests/support/PyDbf.h"
#include "tests/support/TableRows.h"
#include "tests/support/TempWinePrefix.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <stdexcept>
#include <vector>

namespace fixture {

// Writes C:\VTEMP\<name>.DBF with the layout and rows, each giving every
// field in order as text (see writeTableRows).
inline void writeTable(const QString &name, const std::vector<dbf::FieldDef> &layout, const QList<QStringList> &rows)
{
    writeTableRows(name, layout, rows);
}

// Fixture rows as the table gives them back: text cut to its field's width.
inline QList<QStringList> asStored(QList<QStringList> rows, const std::vector<dbf::FieldDef> &layout)
{
    for (QStringList &row : rows)
        for (std::size_t i = 0; i < layout.size() && i < static_cast<std::size_t>(row.size()); ++i)
            if (layout[i].type == dbf::FieldType::String)
                row[static_cast<qsizetype>(i)].truncate(layout[i].width);
    return rows;
}

// An ASIGNOMT row as the subjects step writes it: CODLARGO the code,
// NOMBRE "Nom " + code, CODI "C" + code, DENIVEL and DECURSO blank.
inline QStringList subjectRow(const QString &cod, const QString &codicurs, const QString &horas = QStringLiteral("4"))
{
    return {cod, cod, QStringLiteral("Nom ") + cod, QStringLiteral("C") + cod, horas, codicurs, QStringLiteral("False"),
            {}, {}};
}

// An activity: GestIB code as COD, no course.
inline QStringList activityRow(const QString &cod)
{
    return {cod, cod, QStringLiteral("Activitat ") + cod, cod, QStringLiteral("4"), {}, QStringLiteral("True"), {}, {}};
}

// A GRUPOST row as the groups step writes it, from the values the lines step reads.
inline QStringList groupRow(const QString &abrev, const QString &nivel, const QString &curso, const QString &grupo,
                            const QString &codicurs)
{
    return {abrev, {}, nivel, curso, grupo, QStringLiteral("(") + abrev + QStringLiteral(")"), QStringLiteral("0"),
            QStringLiteral("G") + abrev, codicurs};
}

// The main window's state with the centre document the steps read, as the
// import run holds it.
struct FormWithDocument : MainFormState {
    std::shared_ptr<centre_import::CentreDocument> DocXML;
};

// Reads the document text into form.DocXML, from memory.
inline void loadDocument(FormWithDocument &form, const QString &text)
{
    form.DocXML = std::make_shared<centre_import::CentreDocument>(
        centre_import::readCentreDocument(text.toUtf8(), QStringLiteral("centre.xml")));
}

// The rows of C:\VTEMP\<name>.DBF as python3-dbf reads them.
inline QList<QStringList> readRows(const TempWinePrefix &prefix, const QString &name)
{
    return pythonDbfRows(readWithPythonDbf(prefix.vtempFile(name + QStringLiteral(".DBF"))));
}

// The fields of C:\VTEMP\<name>.DBF as python3-dbf reads them: "NAME TYPE LENGTH".
inline QStringList readFields(const TempWinePrefix &prefix, const QString &name)
{
    QStringList fields;
    const QJsonObject dump = readWithPythonDbf(prefix.vtempFile(name + QStringLiteral(".DBF")));
    for (const QJsonValue &f : dump.value(QStringLiteral("fields")).toArray()) {
        const QJsonObject field = f.toObject();
        fields << field.value(QStringLiteral("name")).toString() + QLatin1Char(' ')
                      + field.value(QStringLiteral("type")).toString() + QLatin1Char(' ')
                      + QString::number(field.value(QStringLiteral("length")).toInt());
    }
    return fields;
}

// One column of those rows.
inline QStringList column(const QList<QStringList> &rows, int field)
{
    QStringList values;
    for (const QStringList &row : rows)
        values << row.at(field);
    return values;
}

} // namespace fixture
