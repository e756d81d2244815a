#include "import/CrearDiasHoras.h"

#include "platform/FieldDef.h"
#include "tests/import/ImportFixture.h"

#include <gtest/gtest.h>

using namespace centre_import;

TEST(CrearDiasHoras, ReplacesTheTableWithAnEmptyOneOfElevenCharacterFields)
{
    TempWinePrefix prefix;
    // What the timetabling program left: days and periods, and an index.
    fixture::writeTable("DIASHORAST", {{"DIHO", dbf::FieldType::String, 10}, {"DIA", dbf::FieldType::String, 20}},
                        {{"Dilluns1", "1"}, {"Dilluns2", "1"}});
    QFile(prefix.vtempFile("DIASHORAST.MDX")).open(QIODevice::WriteOnly);

    CrearDiasHoras(winpath::WorkingFolder());

    EXPECT_EQ(fixture::readFields(prefix, "DIASHORAST"), QStringList({"DIHO C 10", "CODDIHO C 10", "DIA C 20", "TEXTODIA C 20", "HORA C 8",
                                   "TEXTOHOR C 8", "HORADESDE C 8", "HORAHASTA C 8", "MINUTOS C 8", "MARCO C 1",
                                   "MARCOXML C 10"}));
    EXPECT_TRUE(fixture::readRows(prefix, "DIASHORAST").isEmpty());
    EXPECT_FALSE(QFile::exists(prefix.vtempFile("DIASHORAST.MDX")));
}
