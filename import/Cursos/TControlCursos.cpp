#include "import/Cursos/TControlCursos.h"

#include "run/HandlerBoundary.h"
#include "run/OpenTables.h"
#include "run/Trimming.h"
#include "run/UserInteraction.h"
#include "run/WorkingFolder.h"
#include "import/CourseLevels.h"
#include "import/FirstRowByKey.h"
#include "import/LevelProposal.h"
#include "import/TableLayouts.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QHash>

namespace centre_import {

namespace {

const QString cursost2File = working_folder::path + QStringLiteral("\\CURSOST2.DBF");
const QString forcedExit = QStringLiteral("fuera");

const QString CODI = QStringLiteral("CODI");
const QString DESCRIPCIO = QStringLiteral("DESCRIPCIO");
const QString NIVEL = QStringLiteral("NIVEL");
const QString CURSO = QStringLiteral("CURSO");

UserInteraction::Question recoveryQuestion()
{
    UserInteraction::Question q;
    q.topic = UserInteraction::Topic::RecoverLevels;
    q.caption
        = QCoreApplication::translate("TControlCursos", "Recuperación de Niveles y Cursos importados anteriormente");
    q.text = QCoreApplication::translate("TControlCursos",
                                         "Existen Niveles y Cursos ya definidos de una Importación anterior.")
        + QStringLiteral("\n\r")
        + QCoreApplication::translate("TControlCursos",
                                      "¿Quiere recuperar las codificaciones introducidas anteriormente?");
    q.buttons = UserInteraction::Buttons::YesNo;
    q.defaultButton = UserInteraction::Answer::Yes;
    q.icon = UserInteraction::Icon::Warning;
    return q;
}

bool isIncomplete(const dbf::Table &cursos)
{
    return lacksLevelOrCourse(cursos.asString(NIVEL), cursos.asString(CURSO));
}

// The row (0-based) of each code in CURSOST2, read in one pass: each course
// then finds its kept answers at once, where a locate per course would read
// the whole table for each one.
QHash<QString, int> rowsByCode(dbf::Table &kept)
{
    return firstRowByKey<int>(kept, CODI, [](const dbf::Table &row) { return row.recNo() - 1; });
}

// The levels confirmed in earlier imports, for "Sugerir" to propose in the
// school's own terms. Read from the open CURSOST2 after a recovery, else
// from the file, opened shared only for the reading; nothing without it
// (after a No, the user chose to start again).
QList<KeptLevel> keptLevels(dbf::Table &opened, const winpath::WorkingFolder &folder)
{
    const auto read = [](dbf::Table &kept) {
        QList<KeptLevel> levels;
        for (kept.first(); !kept.eof(); kept.next())
            levels << KeptLevel{kept.asString(DESCRIPCIO), kept.asString(NIVEL)};
        return levels;
    };
    if (opened.isOpen())
        return read(opened);
    if (!folder.fileExists(cursost2File))
        return {};
    dbf::Table kept({}, working_folder::path, QStringLiteral("CURSOST2.DBF"), false, folder);
    OpenTables tables({&kept});
    QList<KeptLevel> levels = read(kept);
    tables.close();
    return levels;
}

QString notProposedLine(int count)
{
    if (count == 0)
        return QCoreApplication::translate("TControlCursos",
                                           "«Sugerir»: todos propuestos; revise las celdas en verde.");
    if (count == 1)
        return QCoreApplication::translate("TControlCursos",
                                           "«Sugerir»: 1 curso sin propuesta; complete su NIVEL o CURSO.");
    return QCoreApplication::translate("TControlCursos",
                                       "«Sugerir»: %1 cursos sin propuesta; complete su NIVEL o CURSO.")
        .arg(count);
}

void moveToRow(dbf::Table &table, int row)
{
    table.first();
    table.moveBy(row);
}

// Stores every course's level and course number in CURSOST2. Values go over
// as stored, untrimmed; a code kept before keeps the description it was first
// stored with.
void keepAnswers(dbf::Table &cursos, dbf::Table &kept)
{
    OpenTables tables({&kept});
    QHash<QString, int> keptRows = rowsByCode(kept);
    for (cursos.first(); !cursos.eof(); cursos.next()) {
        const QString codi = cursos.asString(CODI);
        const bool known = keptRows.contains(codi);
        if (known) {
            moveToRow(kept, keptRows.value(codi));
            kept.edit();
        } else {
            kept.append();
            kept.setString(CODI, codi);
            kept.setString(DESCRIPCIO, cursos.asString(DESCRIPCIO));
        }
        kept.setString(NIVEL, cursos.asString(NIVEL));
        kept.setString(CURSO, cursos.asString(CURSO));
        kept.post();
        // A later course of the same code finds this row, as the code reads back.
        if (!known && !keptRows.contains(kept.asString(CODI)))
            keptRows.insert(kept.asString(CODI), kept.recNo() - 1);
    }
    tables.close();
}

} // namespace

// The source text; the dialog shows it translated into the interface's language.
const QString TControlCursos::Caption
    = QString::fromUtf8(QT_TRANSLATE_NOOP("TControlCursos", "Asignación de Niveles y Cursos"));

TControlCursos::TControlCursos(bool MFormResult, UserInteraction &ui, const winpath::WorkingFolder &folder)
    : wwTableCursosT(std::make_unique<dbf::Table>(QStringLiteral("wwTableCursosT"), working_folder::dialogCourses,
                                                  QStringLiteral("CURSOST.DBF"), false, folder))
    , wwTableCursosT2(std::make_unique<dbf::Table>(QStringLiteral("wwTableCursosT2"), working_folder::path,
                                                   QStringLiteral("CURSOST2.DBF"), false, folder))
    , wwDataSource1({CODI, DESCRIPCIO, NIVEL, CURSO})
    , m_mformResult(MFormResult)
    , m_ui(ui)
    , m_folder(folder)
{
    wwDataSource1.attach(wwTableCursosT.get());
}

TControlCursos::~TControlCursos() = default;

void TControlCursos::guarded(const std::function<void()> &action)
{
    runHandler(m_ui, action);
    notify();
}

void TControlCursos::FormShow()
{
    guarded([this] {
        dbf::Table &cursos = *wwTableCursosT;
        cursos.open();
        wwDataSource1.reload();
        if (m_folder.fileExists(cursost2File)) {
            // Only an explicit No forgets the earlier answers: a question
            // closed without an answer recovers nothing and deletes nothing.
            const UserInteraction::Answer answer = m_ui.ask(recoveryQuestion());
            if (answer == UserInteraction::Answer::Yes) {
                dbf::Table &kept = *wwTableCursosT2;
                kept.open();
                const QHash<QString, int> keptRows = rowsByCode(kept);
                for (cursos.first(); !cursos.eof(); cursos.next()) {
                    const auto row = keptRows.constFind(cursos.asString(CODI));
                    if (row != keptRows.cend()) {
                        moveToRow(kept, *row);
                        cursos.edit();
                        cursos.setString(NIVEL, kept.asString(NIVEL));
                        cursos.setString(CURSO, kept.asString(CURSO));
                        cursos.post();
                    }
                }
                wwDataSource1.reload();
            } else if (answer == UserInteraction::Answer::No && m_folder.fileExists(cursost2File)) {
                // A file another program holds stays, and that is not reported.
                m_folder.deleteFile(cursost2File);
            }
        }
        if (m_mformResult) {
            setShown(Control::BitBtn2, true);
            setShown(Control::Label8, true);
        }
        if (openOnRow >= 0)
            wwDataSource1.moveTo(openOnRow);
    });
}

int TControlCursos::firstIncompleteRow() const
{
    return m_firstIncompleteRow;
}

void TControlCursos::BitBtn1Click()
{
    result = false;
    guarded([this] {
        if (!wwTableCursosT)
            return;
        if (!checkFails()) {
            if (!m_folder.fileExists(cursost2File)) {
                wwTableCursosT2->fieldDefs() = cursosFields();
                wwTableCursosT2->createTable();
            }
            if (m_folder.fileExists(cursost2File)) {
                keepAnswers(*wwTableCursosT, *wwTableCursosT2);
                wwTableCursosT2.reset();
            }
        }
        releaseCursosT();
    });
}

// The test of OK and of the close box. Every incomplete course is named, and
// marked in the grid while the message is up and in the next pass; the first
// is where the next pass opens.
bool TControlCursos::checkFails()
{
    dbf::Table &cursos = *wwTableCursosT;
    m_firstIncompleteRow = -1;
    QList<CourseRef> missing;
    for (cursos.first(); !cursos.eof(); cursos.next()) {
        if (!isIncomplete(cursos))
            continue;
        if (missing.isEmpty())
            m_firstIncompleteRow = cursos.recNo() - 1;
        missing << CourseRef{cursos.asString(CODI), cursos.asString(DESCRIPCIO)};
    }
    if (missing.isEmpty())
        return false;
    result = true;
    markIncompleteRows = true;
    setShown(Control::Label3, true);
    setShown(Control::Label2, true);
    m_ui.showMessage(missingDataMessage(missing));
    setShown(Control::BitBtn2, true);
    return true;
}

void TControlCursos::BitBtn2Click()
{
    guarded([this] {
        releaseCursosT();
        result = false;
        result2 = forcedExit;
        m_ending = Ending::ForcedExit;
    });
}

void TControlCursos::BSugerirClick()
{
    guarded([this] {
        TableDataSource &source = wwDataSource1;
        if (!source.isActive())
            return;
        const int back = source.currentRow();
        const SchoolLevels school(wwTableCursosT2 ? keptLevels(*wwTableCursosT2, m_folder) : QList<KeptLevel>{});
        int notProposed = 0;
        for (int row = 0; row < source.recordCount(); ++row) {
            const LevelProposal proposal = school.propose(source.text(row, DESCRIPCIO));
            const bool blankNivel = trimControl(source.text(row, NIVEL)).isEmpty();
            const bool blankCurso = trimControl(source.text(row, CURSO)).isEmpty();
            const bool nivel = !proposal.nivel.isEmpty() && blankNivel;
            const bool curso = !proposal.curso.isEmpty() && blankCurso;
            if ((blankNivel && !nivel) || (blankCurso && !curso))
                ++notProposed;
            if (!nivel && !curso)
                continue;
            source.moveTo(row);
            if (nivel) {
                source.setText(NIVEL, proposal.nivel);
                m_proposals.nivel.insert(row);
            }
            if (curso) {
                source.setText(CURSO, proposal.curso);
                m_proposals.curso.insert(row);
            }
        }
        // The last row filled is stored as moving away from it would.
        source.leaveRow();
        if (back >= 0)
            source.moveTo(back);
        m_suggestionLine = notProposedLine(notProposed);
    });
}

QString TControlCursos::suggestionLine() const
{
    return m_suggestionLine;
}

void TControlCursos::typeInto(int row, const QString &field, const QString &text)
{
    guarded([&] {
        wwDataSource1.moveTo(row);
        wwDataSource1.setText(field, text);
        m_proposals.nivel.remove(row);
        m_proposals.curso.remove(row);
    });
}

QList<CursoMarks> TControlCursos::rowMarks() const
{
    return markCursos(wwDataSource1, markIncompleteRows, m_proposals);
}

QString TControlCursos::collisionLine() const
{
    return collisionWarning(wwDataSource1);
}

void TControlCursos::CursosTDBGridEnter()
{
    guarded([this] { wwDataSource1.edit(); });
}

void TControlCursos::CursosTDBGridExit()
{
    guarded([this] { wwDataSource1.post(); });
}

void TControlCursos::CursosTDBGridColEnter()
{
    setShown(Control::BitBtn2, false);
    setShown(Control::Label8, false);
}

void TControlCursos::enterGrid()
{
    if (m_gridHasFocus || m_ending != Ending::Open)
        return;
    m_gridHasFocus = true;
    CursosTDBGridEnter();
}

void TControlCursos::leaveGrid()
{
    if (!m_gridHasFocus || m_ending != Ending::Open)
        return;
    m_gridHasFocus = false;
    // The grid itself drops a new row nobody typed into before its exit handler posts.
    guarded([this] { wwDataSource1.dropUntouchedNewRow(); });
    CursosTDBGridExit();
}

void TControlCursos::pressOk()
{
    if (m_ending != Ending::Open)
        return;
    leaveGrid();
    m_proposals = {};
    BitBtn1Click();
    // OK closes the dialog whatever its handler found.
    m_ending = Ending::Ok;
    notify();
}

void TControlCursos::pressForcedExit()
{
    if (m_ending != Ending::Open)
        return;
    leaveGrid();
    BitBtn2Click();
}

void TControlCursos::closeOtherwise()
{
    if (m_ending != Ending::Open)
        return;
    leaveGrid();
    // Closing may not let the run write groups from a blank level or course,
    // whose short codes would clash: the pass fails as OK's would.
    guarded([this] {
        if (wwTableCursosT && wwTableCursosT->isOpen() && checkFails())
            releaseCursosT();
    });
    m_ending = Ending::ClosedOtherwise;
    notify();
}

bool TControlCursos::isShown(Control control) const
{
    return m_shown[static_cast<int>(control)];
}

TControlCursos::Ending TControlCursos::ending() const
{
    return m_ending;
}

UserInteraction &TControlCursos::interaction() const
{
    return m_ui;
}

void TControlCursos::setChangeListener(std::function<void()> listener)
{
    m_listener = std::move(listener);
}

void TControlCursos::setShown(Control control, bool shown)
{
    bool &current = m_shown[static_cast<int>(control)];
    if (current == shown)
        return;
    current = shown;
    // The window must show the change before a message box takes over.
    notify();
}

void TControlCursos::releaseCursosT()
{
    if (!wwTableCursosT)
        return;
    wwTableCursosT->close();
    wwDataSource1.attach(nullptr);
    wwTableCursosT.reset();
}

void TControlCursos::notify()
{
    if (m_listener)
        m_listener();
}

} // namespace centre_import
