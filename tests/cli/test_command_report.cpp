// The text a command prints: the solution's codes that no table holds, with
// the sessions counted in the singular for one; a check's verdict before the
// warnings it speaks of.
#include "cli/CommandReport.h"
#include "tests/support/QStringPrinter.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

QJsonObject lookup(int sessions, const QStringList &codes)
{
    return {{QStringLiteral("sesiones"), sessions}, {QStringLiteral("codigos"), QJsonArray::fromStringList(codes)}};
}

TEST(CommandReport, CountsTheUnmatchedSessions)
{
    const struct {
        const char *name;
        int sessions;
        QStringList codes;
        QString line;
    } cases[] = {
        {"none", 0, {}, "    profesor: 0 sesiones; "},
        {"one", 1, {"ABC"}, "    profesor: 1 sesión; ABC"},
        {"two", 2, {"ABC", "DEF"}, "    profesor: 2 sesiones; ABC, DEF"},
        {"a code with a placeholder's look", 1, {"%1"}, "    profesor: 1 sesión; %1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CommandReport report;
        report.command = QStringLiteral("comprobar");
        report.unmatched = QJsonObject{{QStringLiteral("profesor"), lookup(c.sessions, c.codes)}};
        EXPECT_EQ(reportText(report), QStringLiteral("Códigos de la solución que no están en las tablas:\n") + c.line);
    }
}

TEST(CommandReport, PutsACheckVerdictBeforeTheWarnings)
{
    const struct {
        const char *name;
        bool verdictFirst;
        QStringList summaryLines;
        QString text;
    } cases[] = {
        {"a run's summary", false, {"Proceso finalizado", "Filas: 3"},
         "Aviso: A1 no está\nProceso finalizado\nFilas: 3"},
        {"a check's verdict", true, {"Comprobación con avisos", "Filas: 3"},
         "Comprobación con avisos\nAviso: A1 no está\nFilas: 3"},
        {"a check that stopped before its summary", true, {}, "Aviso: A1 no está"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CommandReport report;
        report.verdictFirst = c.verdictFirst;
        report.summaryLines = c.summaryLines;
        report.warnings = {QStringLiteral("A1 no está")};
        EXPECT_EQ(reportText(report), c.text);
    }
}

} // namespace
