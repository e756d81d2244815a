#include "run/Trimming.h"
#include "import/Cursos/TControlCursos.h"
#include "tests/support/ScriptedInteraction.h"

using centre_import::TableDataSource;
using centre_import::TControlCursos;

// Fills every blank level with "ESO" and every blank course with the row's
// number, then presses OK.
std::function<void(TControlCursos &)> ScriptedInteraction::defaultCursosPass = [](TControlCursos &dialog) {
    TableDataSource &grid = dialog.wwDataSource1;
    for (int row = 0; row < grid.recordCount(); ++row) {
        grid.moveTo(row);
        if (trimControl(grid.text(row, QStringLiteral("NIVEL"))).isEmpty())
            grid.setText(QStringLiteral("NIVEL"), QStringLiteral("ESO"));
        if (trimControl(grid.text(row, QStringLiteral("CURSO"))).isEmpty())
            grid.setText(QStringLiteral("CURSO"), QString::number(row + 1));
    }
    dialog.pressOk();
};

// As the window shows the dialog: FormShow runs, the grid takes the focus,
// and the user acts; a pass the user leaves open is closed by other means.
void ScriptedInteraction::showControlCursos(TControlCursos &dialog)
{
    record({Shown::ControlCursos, TControlCursos::Caption, {}, Buttons::YesNo, Answer::Ok, Icon::None});
    dialog.FormShow();
    dialog.enterGrid();
    std::function<void(TControlCursos &)> pass = defaultCursosPass;
    if (!cursosPasses.empty()) {
        pass = cursosPasses.front();
        cursosPasses.pop_front();
    }
    pass(dialog);
    if (dialog.ending() == TControlCursos::Ending::Open)
        dialog.closeOtherwise();
}
