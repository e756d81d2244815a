// The command line's side of the all-or-nothing import: an import that stops
// for missing levels touches nothing, and the replaced tables can be listed
// and put back.
#include "tests/cli/CliProcess.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/LockHolder.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TempWinePrefix.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const QString manifest = QStringLiteral("TransTarquoIB-tablas.txt");

cli::Result importWithLevels(const QString &levels = cli::data(QStringLiteral("niveles.csv")))
{
    return cli::run({QStringLiteral("exportar"), cli::data(QStringLiteral("centre.xml")), QStringLiteral("--niveles"),
                     levels, QStringLiteral("--sin-lineas")});
}

// The working set without the run log, which finished runs append to.
QMap<QString, FileState> workingSet(const TempWinePrefix &prefix)
{
    QMap<QString, FileState> files = snapshotFolder(prefix.vtemp());
    files.remove(QStringLiteral("TransTarquoIB.log"));
    return files;
}

TEST(CliBackups, ImportStoppedForMissingLevelsTouchesNothing)
{
    TempWinePrefix prefix;
    ASSERT_EQ(importWithLevels().status, 0);
    const auto before = snapshotFolder(prefix.vtemp());
    ASSERT_TRUE(before.contains(QStringLiteral("CURSOST2.DBF")));

    const cli::Result stopped =
        cli::run({QStringLiteral("exportar"), cli::data(QStringLiteral("centre.xml")), QStringLiteral("--no-recuperar")});
    EXPECT_EQ(stopped.status, 3) << stopped.err.toStdString();
    EXPECT_EQ(snapshotFolder(prefix.vtemp()), before) << "not even CURSOST2 is deleted";
}

TEST(CliBackups, ListsAndRestoresTheReplacedTables)
{
    TempWinePrefix prefix;
    ASSERT_EQ(importWithLevels().status, 0);
    const auto first = workingSet(prefix);
    const QString otherLevels = cli::writeFile(prefix.prefix() + QStringLiteral("/otros.csv"),
                                               "CODI;NIVEL;CURSO\n101;BCT;1\n102;BCT;2\n201;BHC;1\n");
    const cli::Result second = importWithLevels(otherLevels);
    ASSERT_EQ(second.status, 0) << second.err.toStdString();
    EXPECT_TRUE(second.out.contains(QStringLiteral("Copia de las tablas sustituidas"))) << second.out.toStdString();

    const cli::Result listed = cli::run({QStringLiteral("copias"), QStringLiteral("--json")});
    ASSERT_EQ(listed.status, 0) << listed.err.toStdString();
    const QJsonArray copies = QJsonDocument::fromJson(listed.out.toUtf8()).object().value(QStringLiteral("resumen"))
                                  .toObject().value(QStringLiteral("copias")).toArray();
    ASSERT_EQ(copies.size(), 1) << listed.out.toStdString();
    EXPECT_GT(copies.first().toObject().value(QStringLiteral("filas")).toObject().value(QStringLiteral("CURSOST")).toInt(), 0);

    const cli::Result text = cli::run({QStringLiteral("copias")});
    EXPECT_TRUE(text.out.contains(copies.first().toObject().value(QStringLiteral("nombre")).toString()));

    {
        const LockHolder holder(prefix.vtempFile(QStringLiteral("ASIGNOMT.DBF")), LockHolder::Kind::RecordExclusive);
        ASSERT_TRUE(holder.holding());
        const auto held = snapshotFolder(prefix.vtemp());
        EXPECT_EQ(cli::run({QStringLiteral("restaurar")}).status, 5);
        EXPECT_EQ(snapshotFolder(prefix.vtemp()), held);
    }

    const cli::Result restored = cli::run({QStringLiteral("restaurar")});
    ASSERT_EQ(restored.status, 0) << restored.err.toStdString();
    QMap<QString, QByteArray> now, expected;
    for (const auto &[name, state] : workingSet(prefix).asKeyValueRange())
        now.insert(name, state.bytes);
    for (const auto &[name, state] : first.asKeyValueRange())
        expected.insert(name, state.bytes);
    EXPECT_EQ(now, expected) << "the first import's tables are back, byte for byte";

    EXPECT_EQ(cli::run({QStringLiteral("restaurar"), QStringLiteral("1999-01-01 00.00.00")}).status, 1);
}

// Like a run, a restore leaves its entry in the run log, saying what it put
// back and where it kept what it replaced; a refused one leaves none.
TEST(CliBackups, ARestoreIsWrittenToTheRunLog)
{
    TempWinePrefix prefix;
    ASSERT_EQ(importWithLevels().status, 0);
    ASSERT_EQ(importWithLevels().status, 0);
    const QString logPath = prefix.vtempFile(QStringLiteral("TransTarquoIB.log"));
    const auto logText = [&] {
        QFile log(logPath);
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    };
    const QString afterImports = logText();

    {
        const LockHolder holder(prefix.vtempFile(QStringLiteral("AULAT.DBF")), LockHolder::Kind::FlockExclusive);
        ASSERT_TRUE(holder.holding());
        EXPECT_EQ(cli::run({QStringLiteral("restaurar")}).status, 5);
        EXPECT_EQ(logText(), afterImports) << "a refused restore is no run";
    }

    const cli::Result restored = cli::run({QStringLiteral("restaurar")});
    ASSERT_EQ(restored.status, 0) << restored.err.toStdString();
    const QString log = logText();
    ASSERT_TRUE(log.startsWith(afterImports)) << "earlier entries stay as they were";
    const QString entry = log.mid(afterImports.size());
    EXPECT_TRUE(entry.contains(QStringLiteral("  Restauración de una copia\r\n"))) << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("  Copia restaurada: C:\\VTEMP\\Copias\\"))) << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("  Copia de las tablas sustituidas: C:\\VTEMP\\Copias\\")));
    const QStringList printed = restored.out.split(u'\n', Qt::SkipEmptyParts).filter(QStringLiteral("Copia "));
    EXPECT_EQ(printed.size(), 2) << restored.out.toStdString();
    for (const QString &line : printed)
        EXPECT_TRUE(entry.contains(line)) << "the command prints what the log keeps: " << line.toStdString();
}

TEST(CliBackups, AFolderThatIsNoWholeBackupIsNeitherListedNorRestored)
{
    TempWinePrefix prefix;
    ASSERT_EQ(importWithLevels().status, 0);
    ASSERT_EQ(importWithLevels().status, 0);
    // A folder named as a backup that holds no manifest: what a run cut short
    // by an earlier version could leave, with a table in it.
    const QString incomplete = QStringLiteral("2031-01-01 00.00.00");
    const QDir copias(prefix.vtempFile(QStringLiteral("Copias")));
    ASSERT_TRUE(copias.mkpath(incomplete));
    cli::writeFile(copias.filePath(incomplete + QStringLiteral("/NOTAS.TXT")), "no table");

    const cli::Result listed = cli::run({QStringLiteral("copias"), QStringLiteral("--json")});
    ASSERT_EQ(listed.status, 0) << listed.err.toStdString();
    const QJsonObject summary =
        QJsonDocument::fromJson(listed.out.toUtf8()).object().value(QStringLiteral("resumen")).toObject();
    EXPECT_EQ(summary.value(QStringLiteral("copias")).toArray().size(), 1);
    EXPECT_EQ(summary.value(QStringLiteral("incompletas")).toArray(), QJsonArray{incomplete});
    EXPECT_TRUE(cli::run({QStringLiteral("copias")}).out.contains(QStringLiteral("No son copias completas")));

    const auto before = snapshotFolder(prefix.vtemp());
    const cli::Result refused = cli::run({QStringLiteral("restaurar"), incomplete});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("no está completa"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("C:\\VTEMP\\Copias"))) << "named as Windows names it";
    EXPECT_EQ(snapshotFolder(prefix.vtemp()), before);

    // The default is the newest whole backup, not the newer incomplete folder.
    const cli::Result restored = cli::run({QStringLiteral("restaurar"), QStringLiteral("--json")});
    EXPECT_EQ(restored.status, 0) << restored.err.toStdString();
    EXPECT_TRUE(QDir(copias.filePath(incomplete)).exists(QStringLiteral("NOTAS.TXT")));
}

TEST(CliBackups, ComparesTwoSetsByCode)
{
    TempWinePrefix prefix;
    ASSERT_EQ(importWithLevels().status, 0);
    EXPECT_EQ(cli::run({QStringLiteral("comparar")}).status, 1) << "no backup to compare with yet";
    const QString renamed = QString::fromUtf8(readFileBytes(cli::data(QStringLiteral("centre.xml"))))
                                .replace(QStringLiteral("Filosofia 1"), QStringLiteral("Filosofia I"));
    const QString second = cli::writeFile(prefix.prefix() + QStringLiteral("/segundo.xml"), renamed.toUtf8());
    ASSERT_EQ(cli::run({QStringLiteral("exportar"), second, QStringLiteral("--niveles"),
                        cli::data(QStringLiteral("niveles.csv"))})
                  .status,
              0);
    const QString backup = cli::run({QStringLiteral("copias")}).out.section(QStringLiteral("  "), 0, 0);

    // By default the newest backup against the working folder; the same named.
    for (const QStringList &arguments : {QStringList{QStringLiteral("comparar")},
                                         QStringList{QStringLiteral("comparar"), backup, QStringLiteral("ACTUAL")}}) {
        const cli::Result compared = cli::run(arguments);
        EXPECT_EQ(compared.status, 0) << compared.err.toStdString();
        EXPECT_TRUE(compared.out.startsWith(QStringLiteral("De la copia %1 (TEST01 2026) a la carpeta de trabajo").arg(backup)))
            << compared.out.toStdString();
        EXPECT_TRUE(compared.out.contains(QStringLiteral("    PROFT: 3 → 3\n")));
        EXPECT_TRUE(compared.out.contains(QStringLiteral("        ~ 8003 Filosofia 1 → Filosofia I\n")))
            << compared.out.toStdString();
    }
    // The other way round, as JSON.
    const cli::Result reversed = cli::run({QStringLiteral("comparar"), QStringLiteral("actual"), backup, QStringLiteral("--json")});
    const QJsonObject summary =
        QJsonDocument::fromJson(reversed.out.toUtf8()).object().value(QStringLiteral("resumen")).toObject();
    const QJsonArray tables = summary.value(QStringLiteral("porTabla")).toArray();
    ASSERT_EQ(tables.size(), 1) << reversed.out.toStdString();
    EXPECT_EQ(tables.first().toObject().value(QStringLiteral("primerosOtroNombre")).toArray().first().toObject()
                  .value(QStringLiteral("nombre")).toString(),
              QStringLiteral("Filosofia 1"));
    EXPECT_EQ(summary.value(QStringLiteral("filas")).toObject().value(QStringLiteral("PROFT")).toArray(),
              (QJsonArray{3, 3}));

    EXPECT_EQ(cli::run({QStringLiteral("comparar"), QStringLiteral("1999-01-01 00.00.00")}).status, 1);
    EXPECT_EQ(cli::run({QStringLiteral("comparar"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}).status, 2);
}

} // namespace
