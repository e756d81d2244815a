// Undoing a finished import from its summary: after the user's Yes the set it
// replaced is back byte for byte, the restore is shown and logged like a run,
// and what the undo replaced is kept in its turn; any other answer, a held
// table or a backup that is gone changes nothing.
#include "run/Backups.h"
#include "run/MainFormState.h"
#include "run/RunLog.h"
#include "import/CentreImport.h"
#include "import/UndoImport.h"
#include "tests/support/CentreDocuments.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FinishedImport.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/LockHolder.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace centre_import;
using Answer = UserInteraction::Answer;

namespace {

const QString runLogName = QStringLiteral("TransTarquoIB.log");



QString runLog(const TempWinePrefix &prefix) { return QString::fromUtf8(readFileBytes(prefix.vtempFile(runLogName))); }

// Two imports, the second replacing the first's set.
class UndoImport : public testing::Test {
protected:
    void SetUp() override
    {
        importFinished(centreFixture(QStringLiteral("centre-escola.xml")));
        first = workingSetBytes(prefix.vtemp());
        second = importFinished(centreFixture(QStringLiteral("centre-escola-seguent.xml")));
        ASSERT_FALSE(second.backup.isEmpty());
    }
    TempWinePrefix prefix;
    QMap<QString, QByteArray> first;
    ImportSummary second;
};

} // namespace

TEST_F(UndoImport, YesPutsTheReplacedSetBackAndShowsAndLogsTheRestore)
{
    const QMap<QString, QByteArray> imported = workingSetBytes(prefix.vtemp());
    const backups::Backup undone = backups::list(winpath::WorkingFolder()).first();
    ScriptedInteraction ui;
    ui.answers = {Answer::Yes};

    EXPECT_EQ(undoImport(winpath::WorkingFolder(), second.backup, ui), UndoOutcome::Restored);

    EXPECT_EQ(workingSetBytes(prefix.vtemp()), first) << "the first import's set is back, byte for byte";
    ASSERT_EQ(ui.shown.size(), 2u);
    const ScriptedInteraction::Shown &question = ui.shown.front();
    EXPECT_EQ(question.kind, ScriptedInteraction::Shown::Question);
    EXPECT_EQ(question.caption, QStringLiteral("Deshacer esta importación"));
    EXPECT_EQ(question.text, QStringLiteral("¿Deshacer esta importación y volver a poner las tablas de la copia %1 "
                                            "(ESC0001 2024)? Las tablas de ahora quedarán a su vez en otra copia.")
                                 .arg(undone.name));
    EXPECT_EQ(question.buttons, UserInteraction::Buttons::YesNo);
    EXPECT_EQ(question.defaultButton, Answer::No);
    EXPECT_EQ(question.icon, UserInteraction::Icon::Warning);
    EXPECT_EQ(ui.messages(), QStringList{QStringLiteral("Proceso finalizado")});
    EXPECT_TRUE(ui.hourglassCalls.size() == 2 && ui.hourglassDepth == 0) << "the hourglass over the restore alone";

    // What the undo replaced, the second import's set, is kept as the newest backup.
    const backups::Backup kept = backups::list(winpath::WorkingFolder()).first();
    EXPECT_NE(kept.name, undone.name);
    QMap<QString, QByteArray> keptBytes;
    for (const auto &[name, state] : snapshotFolder(kept.path).asKeyValueRange())
        keptBytes.insert(name, state.bytes);
    EXPECT_EQ(keptBytes, imported);

    const QStringList details = ui.summaryDetails;
    ASSERT_FALSE(details.isEmpty());
    EXPECT_EQ(details.first(), QStringLiteral("Copia restaurada: %1 (ESC0001 2024)").arg(second.backup));
    EXPECT_TRUE(details.contains(QStringLiteral("Filas de cada tabla:")));
    EXPECT_TRUE(details.filter(QStringLiteral("    CURSOST (cursos): ")).size() == 1) << details.join(u'\n').toStdString();
    EXPECT_EQ(details.last(), QStringLiteral("Copia de las tablas sustituidas: C:\\VTEMP\\Copias\\%1").arg(kept.name));

    const QString log = runLog(prefix);
    const qsizetype restore = log.lastIndexOf(QStringLiteral("  Restauración de una copia\r\n"));
    ASSERT_GT(restore, log.lastIndexOf(QStringLiteral("  Importación del centro desde GestIB\r\n")))
        << "logged after the import it undid";
    for (const QString &line : details)
        EXPECT_GT(log.indexOf(QStringLiteral("  ") + line + QStringLiteral("\r\n"), restore), restore) << line.toStdString();
}

TEST_F(UndoImport, AnyAnswerButYesChangesNothing)
{
    for (const Answer answer : {Answer::No, Answer::Closed}) {
        const auto before = snapshotFolder(prefix.vtemp());
        const QStringList copies = QDir(backups::folder(winpath::WorkingFolder())).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        ScriptedInteraction ui;
        ui.answers = {answer};

        EXPECT_EQ(undoImport(winpath::WorkingFolder(), second.backup, ui), UndoOutcome::Declined);

        EXPECT_EQ(snapshotFolder(prefix.vtemp()), before) << "not even the log is written";
        EXPECT_EQ(QDir(backups::folder(winpath::WorkingFolder())).entryList(QDir::Dirs | QDir::NoDotAndDotDot), copies);
        EXPECT_EQ(ui.questions().size(), 1);
        EXPECT_TRUE(ui.messages().isEmpty());
        EXPECT_TRUE(ui.errors().isEmpty());
    }
}

TEST_F(UndoImport, AHeldTableRefusesTheUndoWithNothingChanged)
{
    for (const char *table : {"ASIGNOMT", "GRUPOST", "DIASHORAST"}) {
        const auto before = snapshotFolder(prefix.vtemp());
        const QStringList copies = QDir(backups::folder(winpath::WorkingFolder())).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        const LockHolder holder(prefix.vtempFile(QLatin1String(table) + QStringLiteral(".DBF")),
                                LockHolder::Kind::RecordExclusive);
        ASSERT_TRUE(holder.holding());
        ScriptedInteraction ui;
        ui.answers = {Answer::Yes};

        EXPECT_EQ(undoImport(winpath::WorkingFolder(), second.backup, ui), UndoOutcome::Failed);

        ASSERT_EQ(ui.errors().size(), 1);
        EXPECT_TRUE(ui.errors().first().startsWith(QStringLiteral("La tabla %1 está en uso por otro programa")
                                                        .arg(QLatin1String(table))))
            << ui.errors().first().toStdString();
        EXPECT_TRUE(ui.messages().isEmpty()) << "no \"Proceso finalizado\"";
        EXPECT_EQ(ui.hourglassDepth, 0);
        EXPECT_EQ(snapshotFolder(prefix.vtemp()), before);
        EXPECT_EQ(QDir(backups::folder(winpath::WorkingFolder())).entryList(QDir::Dirs | QDir::NoDotAndDotDot), copies);
    }
}

TEST_F(UndoImport, ABackupThatIsGoneIsReportedWithoutAQuestion)
{
    const backups::Backup backup = backups::list(winpath::WorkingFolder()).first();
    ASSERT_TRUE(QFile::remove(QDir(backup.path).filePath(QStringLiteral("TransTarquoIB-tablas.txt"))));
    const auto before = snapshotFolder(prefix.vtemp());
    ScriptedInteraction ui;
    ui.answers = {Answer::Yes};

    EXPECT_EQ(undoImport(winpath::WorkingFolder(), second.backup, ui), UndoOutcome::Failed);

    EXPECT_TRUE(ui.questions().isEmpty());
    EXPECT_EQ(ui.errors(), QStringList{QStringLiteral("La copia %1 ya no existe o no está completa: no se puede "
                                                      "deshacer la importación.")
                                           .arg(second.backup)});
    EXPECT_EQ(snapshotFolder(prefix.vtemp()), before);
}
