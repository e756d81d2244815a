#include "cli/CentreCheck.h"

#include "cli/WorkingTables.h"
#include "run/Trimming.h"
#include "import/CentreDocument.h"
#include "import/ShortCodes.h"
#include "export/RequireFields.h"
#include "platform/Dbf.h"
#include "platform/XmlDocument.h"

#include <QFileInfo>
#include <QHash>

#include <memory>

namespace {

using CodeChange = CommandReport::CodeChange;
using AbsentCode = CommandReport::AbsentCode;

std::unique_ptr<dbf::Table> openWorkingTable(const QString &name)
{
    auto table = std::make_unique<dbf::Table>(QString(), QStringLiteral("C:\\VTEMP"), name + QStringLiteral(".DBF"),
                                              false);
    table->open();
    table->first();
    return table;
}

// The row the import wrote for the element, against the code the element
// would get on its own; the table moves on to the next row.
void compareRow(std::vector<CodeChange> &changes, const QString &kind, const QString &codi, const QString &alone,
                dbf::Table &rows, const QString &codeField)
{
    const QString code = rows.asString(codeField);
    if (code != alone)
        changes.push_back({kind, codi, alone, code});
    rows.next();
}

// Subjects, teachers and rooms: one row per element of `path`, in document order.
template <class CodeAlone>
void compareElements(std::vector<CodeChange> &changes, const xml::Document &document, const QString &kind,
                     const QString &path, const QString &table, const QString &codeField, CodeAlone codeAlone)
{
    const std::unique_ptr<dbf::Table> rows = openWorkingTable(table);
    const xml::NodeList elements = document.selectNodes(path);
    for (int i = 0; i < elements.length() && !rows->eof(); ++i) {
        const xml::AttributeMap attributes = elements.item(i).attributes();
        CodeList nothingGiven;
        compareRow(changes, kind, readTrimmed(attributes, QStringLiteral("codi")), codeAlone(nothingGiven, attributes),
                   *rows, codeField);
    }
}

// Groups: one row per GRUP of each CURS, with the level and course the row got.
void compareGroups(std::vector<CodeChange> &changes, const xml::Document &document)
{
    const std::unique_ptr<dbf::Table> rows = openWorkingTable(QStringLiteral("GRUPOST"));
    const xml::NodeList courses = document.selectNodes(QStringLiteral("/CENTRE/CURSOS/CURS"));
    for (int i = 0; i < courses.length(); ++i) {
        const xml::NodeList groups = courses.item(i).selectNodes(QStringLiteral("GRUP"));
        for (int j = 0; j < groups.length() && !rows->eof(); ++j) {
            const xml::AttributeMap attributes = groups.item(j).attributes();
            CodeList nothingGiven;
            const QString alone = groupShortCode(nothingGiven, rows->asString(QStringLiteral("NIVEL")),
                                                 rows->asString(QStringLiteral("CURSO")),
                                                 readTrimmed(attributes, QStringLiteral("nom")));
            compareRow(changes, QStringLiteral("grupo"), readTrimmed(attributes, QStringLiteral("codi")), alone, *rows,
                       QStringLiteral("ABREV"));
        }
    }
}

} // namespace

std::vector<CodeChange> numberedShortCodes(const xml::Document &document)
{
    std::vector<CodeChange> changes;
    compareElements(changes, document, QStringLiteral("asignatura"), QStringLiteral("/CENTRE/MATERIES/MATERIA"),
                    QStringLiteral("ASIGNOMT"), QStringLiteral("COD"),
                    [](CodeList &codes, const xml::AttributeMap &attributes) {
                        return subjectShortCode(codes, readTrimmed(attributes, QStringLiteral("curta")));
                    });
    compareElements(changes, document, QStringLiteral("profesor"), QStringLiteral("/CENTRE/PLACES/PLACA"),
                    QStringLiteral("PROFT"), QStringLiteral("ABREV"),
                    [](CodeList &codes, const xml::AttributeMap &attributes) {
                        return teacherShortCode(codes, readTrimmed(attributes, QStringLiteral("curta")));
                    });
    compareElements(changes, document, QStringLiteral("aula"), QStringLiteral("/CENTRE/AULES/AULA"),
                    QStringLiteral("AULAT"), QStringLiteral("ABREV"),
                    [](CodeList &codes, const xml::AttributeMap &attributes) {
                        return roomShortCode(codes, readTrimmed(attributes, QStringLiteral("descripcio")));
                    });
    compareGroups(changes, document);
    return changes;
}

std::vector<AbsentCode> absentSessionCodes(const QString &solucLocalPath)
{
    const QFileInfo file(solucLocalPath);
    dbf::Table soluc(QString(), file.absolutePath(), file.fileName(), false);
    soluc.open();
    requireFields(soluc, {QStringLiteral("DIA"), QStringLiteral("PROF"), QStringLiteral("CODGRUPO"),
                          QStringLiteral("AULA"), QStringLiteral("ASIG"), QStringLiteral("TAREA")});

    struct Lookup {
        QString field;
        QSet<QString> known;
    };
    const auto known = [](const QString &table, const QString &field) {
        return fieldValues(*openWorkingTable(table), field);
    };
    // The teacher first: an activity's session names nothing else.
    const std::vector<Lookup> lookups = {
        {QStringLiteral("PROF"), known(QStringLiteral("PROFT"), QStringLiteral("ABREV"))},
        {QStringLiteral("CODGRUPO"), known(QStringLiteral("GRUPOST"), QStringLiteral("ABREV"))},
        {QStringLiteral("AULA"), known(QStringLiteral("AULAT"), QStringLiteral("ABREV"))},
        {QStringLiteral("ASIG"), known(QStringLiteral("ASIGNOMT"), QStringLiteral("COD"))},
    };

    std::vector<AbsentCode> absent;
    QHash<QString, std::size_t> seen; // field + code -> its place in `absent`
    for (soluc.first(); !soluc.eof(); soluc.next()) {
        if (soluc.asInteger(QStringLiteral("DIA")) == 0)
            continue;
        const bool activity = !trimControl(soluc.asString(QStringLiteral("TAREA"))).isEmpty();
        for (std::size_t k = 0; k < (activity ? 1 : lookups.size()); ++k) {
            const QString code = soluc.asString(lookups[k].field);
            if (code.isEmpty() || lookups[k].known.contains(code))
                continue;
            const QString key = lookups[k].field + QLatin1Char('\n') + code;
            if (!seen.contains(key)) {
                seen.insert(key, absent.size());
                absent.push_back({lookups[k].field, code, 0});
            }
            ++absent[seen.value(key)].sessions;
        }
    }
    return absent;
}
