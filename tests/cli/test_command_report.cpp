// The text a command prints: the solution's codes that no table holds, with
// the sessions counted in the singular for one.
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

} // namespace
