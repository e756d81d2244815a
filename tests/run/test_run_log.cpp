// The run log "TransTarquoIB.log" in the working folder.
#include "export/ExportSummary.h"
#include "run/RunLog.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TempWinePrefix.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ExportSummary exportOf(int sessions)
{
    ExportSummary s;
    s.outputPath = QStringLiteral("C:\\saga\\SolucioHorari.xml");
    s.sessionsWritten = sessions;
    return s;
}

const QDateTime firstRun(QDate(2026, 9, 1), QTime(8, 5, 3));
const QDateTime secondRun(QDate(2026, 9, 2), QTime(17, 30, 0));

QByteArray entryOf(const QDateTime &when, int sessions)
{
    QByteArray entry = when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8()
                       + "  Exportación del horario hacia GestIB\r\n";
    for (const QString &line : exportOf(sessions).lines())
        entry += "  " + line.toUtf8() + "\r\n";
    return entry + "\r\n";
}

} // namespace

// Each run adds one whole entry after the earlier ones, which stay byte for byte.
TEST(RunLog, EveryRunAppendsOneEntry)
{
    TempWinePrefix prefix;
    const QString log = prefix.vtempFile(QStringLiteral("TransTarquoIB.log"));

    EXPECT_EQ(appendToRunLog(winpath::WorkingFolder(), exportOf(3), firstRun), QString());
    EXPECT_EQ(contents(log), entryOf(firstRun, 3));
    EXPECT_EQ(appendToRunLog(winpath::WorkingFolder(), exportOf(4), secondRun), QString());
    EXPECT_EQ(contents(log), entryOf(firstRun, 3) + entryOf(secondRun, 4));
}

// A log the timetabling program's side saved in other letter case is the same file.
TEST(RunLog, FindsTheLogWhateverTheLetterCase)
{
    TempWinePrefix prefix;
    const QString upper = prefix.vtempFile(QStringLiteral("TRANSTARQUOIB.LOG"));
    QFile file(upper);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("older\r\n");
    file.close();

    EXPECT_EQ(appendToRunLog(winpath::WorkingFolder(), exportOf(1), firstRun), QString());

    EXPECT_EQ(contents(upper), "older\r\n" + entryOf(firstRun, 1));
    EXPECT_FALSE(QFile::exists(prefix.vtempFile(QStringLiteral("TransTarquoIB.log"))));
}

// A log that cannot be written says why, and leaves the run to decide.
TEST(RunLog, UnwritableLogSaysWhy)
{
    TempWinePrefix prefix;
    ASSERT_TRUE(QDir().mkpath(prefix.vtempFile(QStringLiteral("TransTarquoIB.log")))); // a folder in its place

    const QString problem = appendToRunLog(winpath::WorkingFolder(), exportOf(1), firstRun);

    EXPECT_TRUE(problem.startsWith(QStringLiteral("No se puede abrir "))) << problem.toStdString();
    EXPECT_TRUE(problem.contains(QStringLiteral("TransTarquoIB.log"))) << problem.toStdString();
}

// The log keeps the warnings as the message showed them: first, in the same
// order, before the figures.
TEST(RunLog, WarningsComeFirstAsInTheMessage)
{
    TempWinePrefix prefix;
    ExportSummary s = exportOf(2);
    s.noteUnmatched(ExportSummary::Lookup::Asignatura, QStringLiteral("FIS9"));
    s.noteUnmatched(ExportSummary::Lookup::Profesor, QStringLiteral("QQQ"));
    ASSERT_EQ(s.warnings().size(), 2);

    EXPECT_EQ(appendToRunLog(winpath::WorkingFolder(), s, firstRun), QString());

    QByteArray expected = "2026-09-01 08:05:03  Exportación del horario hacia GestIB\r\n";
    for (const QString &warning : s.warnings())
        expected += "  Aviso: " + warning.toUtf8() + "\r\n";
    for (const QString &line : s.lines())
        expected += "  " + line.toUtf8() + "\r\n";
    EXPECT_EQ(contents(prefix.vtempFile(QStringLiteral("TransTarquoIB.log"))), expected + "\r\n");
    EXPECT_TRUE(s.warnings().at(0).startsWith(QStringLiteral("1 sesión cuyo profesor"))) << "look-ups in their order";
}
