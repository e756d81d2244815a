#pragma once

#include "platform/DbfError.h"
#include "run/MainFormState.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/LockHolder.h"
#include "tests/support/ScriptedInteraction.h"

#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

// Runs one of the two runs in driven mode, the user choosing `file`, while
// another program holds `table`, and checks that the run was refused for that
// table: the refusal names it, and nothing was shown, no outcome set and no
// close asked for. What the files hold afterwards is the caller's to check.
inline void expectRefusedForHeldTable(const std::function<void(MainFormState &, ScriptedInteraction &)> &run,
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

// The same, while another program holds the working folder's table (in
// `vtemp`) as `held` says; afterwards every folder of `watched` holds what it
// held before: nothing was written, replaced, created or deleted there.
inline void expectRefusedWhileHeld(const std::function<void(MainFormState &, ScriptedInteraction &)> &run,
                                   const QString &file, const QString &vtemp, const HeldTable &held,
                                   const QStringList &watched)
{
    std::vector<QMap<QString, FileState>> before;
    for (const QString &folder : watched)
        before.push_back(snapshotFolder(folder));
    const LockHolder holder(vtemp + QLatin1Char('/') + QLatin1String(held.table) + QStringLiteral(".DBF"), held.kind);
    ASSERT_TRUE(holder.holding());
    expectRefusedForHeldTable(run, file, held.table);
    for (qsizetype i = 0; i < watched.size(); ++i)
        EXPECT_TRUE(snapshotFolder(watched[i]) == before[std::size_t(i)])
            << "a file in " << watched[i].toStdString() << " was written, replaced, created or deleted";
}

// Each of the tables held the way a Windows program holds the table it has open.
inline std::vector<HeldTable> eachTableHeld(std::initializer_list<const char *> tables)
{
    std::vector<HeldTable> cases;
    for (const char *table : tables)
        cases.push_back({table, LockHolder::Kind::RecordExclusive});
    return cases;
}

// The other ways another program may hold a table: record locks on `recordTable`
// (shared, and one byte past the end) and flock locks on `flockTable`.
inline std::vector<HeldTable> otherLocks(const char *recordTable, const char *flockTable)
{
    return {{recordTable, LockHolder::Kind::RecordShared},
            {recordTable, LockHolder::Kind::RecordPastTheEnd},
            {flockTable, LockHolder::Kind::FlockExclusive},
            {flockTable, LockHolder::Kind::FlockShared}};
}
