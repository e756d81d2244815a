#pragma once

#include "platform/Dbf.h"
#include "run/MainFormState.h"
#include "tests/support/ScriptedInteraction.h"

#include <QString>

#include <gtest/gtest.h>

#include <functional>

// Runs one of the two runs in driven mode, the user choosing `file`, while
// another program holds `table`, and checks that the run was refused for that
// table: the refusal names it, and nothing was shown, no outcome set and no
// close asked for. What the files hold afterwards is the caller's to check.
inline void expectRefusedForHeldTable(const std::function<void(MainFormState &, UserInteraction &)> &run,
                                      const QString &file, const char *table)
{
    constexpr int untouchedResult = 7;
    MainFormState form;
    form.ModoAutomatico = 2;
    form.ResultadoTransformacion = untouchedResult;
    ScriptedInteraction ui;
    ui.fileChoices = {file};
    QString error;
    try {
        run(form, ui);
    } catch (const dbf::TableInUseError &e) {
        error = e.message();
    }
    EXPECT_TRUE(error.startsWith(QStringLiteral("La tabla %1 está en uso por otro programa").arg(QLatin1String(table))))
        << error.toStdString();
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(form.ResultadoTransformacion, untouchedResult);
    EXPECT_EQ(ui.closeRequests(), 0);
}
