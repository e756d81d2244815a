#pragma once

#include "import/Cursos/TControlCursos.h"

#include <QHash>
#include <QStringList>

#include <functional>

// A pass of the level and course dialog as a user types it: each course
// named by its code gets its level and course number in the grid, the others
// keep what the recovery put there, and OK is pressed.
inline std::function<void(centre_import::TControlCursos &)> typingLevels(const QHash<QString, QStringList> &answers)
{
    return [answers](centre_import::TControlCursos &dialog) {
        centre_import::TableDataSource &grid = dialog.wwDataSource1;
        for (int row = 0; row < grid.recordCount(); ++row) {
            grid.moveTo(row);
            const QStringList answer = answers.value(grid.text(row, QStringLiteral("CODI")));
            if (answer.isEmpty())
                continue;
            grid.setText(QStringLiteral("NIVEL"), answer.at(0));
            grid.setText(QStringLiteral("CURSO"), answer.at(1));
        }
        dialog.pressOk();
    };
}

// The answers of tests/data/cli/niveles.csv.
inline const QHash<QString, QStringList> &nivelesCsvAnswers()
{
    static const QHash<QString, QStringList> answers = {
        {QStringLiteral("101"), {QStringLiteral("ESO"), QStringLiteral("1")}},
        {QStringLiteral("102"), {QStringLiteral("ESO"), QStringLiteral("2")}},
        {QStringLiteral("201"), {QStringLiteral("BATX"), QStringLiteral("1")}},
    };
    return answers;
}
