#pragma once

#include "import/Cursos/CursosMarks.h"
#include "import/Cursos/TableDataSource.h"
#include "platform/Dbf.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class UserInteraction;

namespace centre_import {

// The level and course dialog without its widgets: one pass in which the user
// gives every course of CURSOST its level (NIVEL) and course number (CURSO).
// It offers the answers of an earlier import kept in CURSOST2, tests on OK
// and on the close box that nothing is blank, and stores answers confirmed by
// OK in CURSOST2 for the next import. It points out the rows to complete and
// the rows whose groups would get the same short codes, and proposes levels
// read from the descriptions on request. The window (ControlCursosWindow)
// binds these handlers and wwDataSource1 to its grid, navigator, labels and
// buttons; tests drive the same calls headless.
class TControlCursos {
public:
    // The controls whose shown/hidden state the handlers change.
    enum class Control { BitBtn2, Label8, Label3, Label2 };
    // How the pass ended.
    enum class Ending { Open, Ok, ForcedExit, ClosedOtherwise };

    static const QString Caption;

    // MFormResult: the main window's `result`, true once an earlier pass of
    // this import ended with a blank; the pass then offers its forced exit at once.
    // `folder`: the working folder of the run, whose CURSOST and CURSOST2 the dialog works on.
    TControlCursos(bool MFormResult, UserInteraction &ui, const winpath::WorkingFolder &folder);
    ~TControlCursos();
    TControlCursos(const TControlCursos &) = delete;
    TControlCursos &operator=(const TControlCursos &) = delete;

    // True when the pass ended with a level or course still blank.
    bool result = false;
    // "fuera" after a forced exit.
    QString result2;

    // The row the pass opens on, after any recovery: where the check of the
    // pass before stopped, so that the user starts at the course to complete.
    // -1 leaves the grid where the table stands.
    int openOnRow = -1;
    // Marks every incomplete row: a check of this import has failed (an
    // earlier pass's, or this pass's own).
    bool markIncompleteRows = false;
    // The names of each course's groups, by row (CURSOST holds the courses in
    // the document's order), for the user to tell courses apart.
    QList<QStringList> courseGroups;
    // The first row this pass's check found incomplete (0 for the first row),
    // -1 when it passed or did not run.
    int firstIncompleteRow() const;

    // CURSOST as the dialog edits it, and CURSOST2, the answers kept from
    // earlier imports, both opened shared. OK and the forced exit release
    // wwTableCursosT, storing into CURSOST2 releases wwTableCursosT2
    // (nullptr afterwards); the rest goes with the dialog.
    std::unique_ptr<dbf::Table> wwTableCursosT;
    std::unique_ptr<dbf::Table> wwTableCursosT2;
    // The grid's and navigator's view of wwTableCursosT.
    TableDataSource wwDataSource1;

    // The event handlers. Each is a boundary: an error inside it is shown by
    // the standard error report and ends only that handler.
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    // "Sugerir": fills every blank level and course with what the row's
    // description proposes, in the levels the school kept in CURSOST2 where
    // it has them (SchoolLevels); each filled cell stays marked until the
    // user confirms its row. Then suggestionLine() says how many courses it
    // could not complete.
    void BSugerirClick();
    void CursosTDBGridEnter();
    void CursosTDBGridExit();
    void CursosTDBGridColEnter();

    // What the user does, as the window turns it into handler calls.
    void enterGrid(); // the grid receives the focus
    void leaveGrid(); // the grid loses the focus: an untouched new row is dropped first
    void pressOk();          // the focus leaves the grid, BitBtn1Click, then the dialog closes with OK
    void pressForcedExit();  // the focus leaves the grid, then BitBtn2Click closes the dialog
    // The close box (or Escape): the focus leaves the grid and the rows are
    // tested as OK tests them; with a blank the pass fails as OK's does, else
    // the run goes on without storing anything in CURSOST2.
    void closeOtherwise();
    // The user types `text` into a cell, which confirms the row's proposals.
    void typeInto(int row, const QString &field, const QString &text);

    // What the grid marks on each row, and the line that names the rows
    // whose groups will get the same short codes (empty when there are none).
    QList<CursoMarks> rowMarks() const;
    QString collisionLine() const;
    // After "Sugerir": how many courses still lack a level or a course number
    // because nothing was proposed for them (empty before the first click).
    QString suggestionLine() const;

    // Runs what the user does in the grid or the navigator as a handler
    // runs: an error is shown by the standard error report.
    void guarded(const std::function<void()> &action);

    bool isShown(Control control) const;
    Ending ending() const;
    UserInteraction &interaction() const; // for what the window shows outside the pass, such as help

    // Called after anything the window shows has changed: the rows, the
    // current row, a control's shown/hidden state or the end of the pass.
    void setChangeListener(std::function<void()> listener);

private:
    void setShown(Control control, bool shown);
    bool checkFails();
    void releaseCursosT();
    void notify();

    const bool m_mformResult;
    UserInteraction &m_ui;
    const winpath::WorkingFolder m_folder;
    bool m_shown[4] = {false, false, false, false};
    Ending m_ending = Ending::Open;
    bool m_gridHasFocus = false;
    int m_firstIncompleteRow = -1;
    PendingProposals m_proposals;
    QString m_suggestionLine;
    std::function<void()> m_listener;
};

} // namespace centre_import
