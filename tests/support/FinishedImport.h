#pragma once

#include "import/ImportSummary.h"
#include "run/MainFormState.h"
#include "import/CentreImport.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/ScriptedInteraction.h"

#include <QMap>
#include <QString>

#include <gtest/gtest.h>

// A whole import of `file` as a user answers it: the kept levels recovered,
// the subject lines created. Its summary, or an empty one when it did not finish.
inline ImportSummary importFinished(const QString &file)
{
    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices = {file};
    ui.answers = {UserInteraction::Answer::Yes, UserInteraction::Answer::Yes};
    centre_import::BExportarClick(form, ui);
    EXPECT_EQ(ui.errors(), QStringList());
    return ui.importSummary.value_or(ImportSummary());
}

// The working tables and their manifest, by name, without the run log.
inline QMap<QString, QByteArray> workingSetBytes(const QString &vtemp)
{
    QMap<QString, QByteArray> bytes;
    for (const auto &[name, state] : snapshotFolder(vtemp).asKeyValueRange())
        if (name != QLatin1String("TransTarquoIB.log"))
            bytes.insert(name, state.bytes);
    return bytes;
}
