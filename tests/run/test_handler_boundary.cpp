#include "run/HandlerBoundary.h"
#include "platform/DbfError.h"
#include "platform/IniFile.h"
#include "platform/XmlError.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(RunHandler, ShowsEveryErrorThroughTheStandardReport)
{
    const struct {
        const char *name;
        std::function<void()> handler;
        QString shown;
    } cases[] = {
        {"table", [] { throw dbf::DbfError(QStringLiteral("Tabla bloqueada")); }, QStringLiteral("Tabla bloqueada.")},
        {"document", [] { throw xml::XmlError(QStringLiteral("línea 3: etiqueta sin cerrar")); },
         QStringLiteral("línea 3: etiqueta sin cerrar.")},
        {"result file", [] { throw ini::IniError(QStringLiteral("No se puede escribir en /x/Velarix.ini")); },
         QStringLiteral("No se puede escribir en /x/Velarix.ini.")},
        {"other", [] { throw std::runtime_error("fallo en la conversión"); }, QStringLiteral("fallo en la conversión.")},
        {"not even an exception", [] { throw 42; }, QStringLiteral("Error desconocido.")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction ui;
        EXPECT_FALSE(runHandler(ui, c.handler));
        EXPECT_EQ(ui.errors(), QStringList{c.shown});
    }
    ScriptedInteraction ui;
    EXPECT_TRUE(runHandler(ui, [] {}));
    EXPECT_TRUE(ui.shown.empty());
}
