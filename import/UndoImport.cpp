#include "import/UndoImport.h"

#include "run/Backups.h"
#include "run/Hourglass.h"
#include "import/RestoreRun.h"
#include "run/UserInteraction.h"
#include "import/ImportedTables.h"
#include "platform/Error.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace centre_import {

namespace {
std::optional<backups::Backup> wholeBackupAt(const winpath::WorkingFolder &workingFolder, const QString &localPath)
{
    const QList<backups::Backup> found = backups::list(workingFolder);
    const auto backup = std::find_if(found.cbegin(), found.cend(), [&](const backups::Backup &b) {
        return QFileInfo(b.path) == QFileInfo(localPath);
    });
    if (backup == found.cend())
        return std::nullopt;
    return *backup;
}

UserInteraction::Question confirmation(const backups::Backup &backup)
{
    UserInteraction::Question question;
    question.topic = UserInteraction::Topic::UndoImport;
    question.caption = QCoreApplication::translate("UndoImport", "Deshacer esta importación");
    question.text = QCoreApplication::translate("UndoImport",
                                                "¿Deshacer esta importación y volver a poner las tablas de la copia "
                                                "%1 (%2)? Las tablas de ahora quedarán a su vez en otra copia.")
                        .arg(backup.name, backup.manifest.centre());
    question.buttons = UserInteraction::Buttons::YesNo;
    // Undoing throws away the work of the import just finished: only a
    // deliberate answer does it.
    question.defaultButton = UserInteraction::Answer::No;
    question.icon = UserInteraction::Icon::Warning;
    return question;
}
} // namespace

UndoOutcome undoImport(const winpath::WorkingFolder &workingFolder, const QString &backup, UserInteraction &ui)
{
    // Ten newer backups since the import, or a hand that removed it.
    const std::optional<backups::Backup> found = wholeBackupAt(workingFolder, workingFolder.toLocal(backup));
    if (!found) {
        ui.showError(standardErrorText(
            QCoreApplication::translate("UndoImport", "La copia %1 ya no existe o no está completa: no se puede "
                                                      "deshacer la importación")
                .arg(backup)));
        return UndoOutcome::Failed;
    }
    if (ui.ask(confirmation(*found)) != UserInteraction::Answer::Yes)
        return UndoOutcome::Declined;

    std::optional<RestoreOutcome> outcome;
    try {
        const Hourglass hourglass(ui);
        outcome = restoreAndLog(workingFolder, *found, replacedFiles(), importedTables());
    } catch (const Error &e) {
        ui.showError(standardErrorText(e.message()));
        return UndoOutcome::Failed;
    }
    ui.showSummary(outcome->summary.finishedText(), outcome->summary);
    // The tables are back; a log that cannot be written is only reported.
    if (!outcome->logProblem.isEmpty())
        ui.showError(standardErrorText(outcome->logProblem));
    return UndoOutcome::Restored;
}

} // namespace centre_import
