#include "import/CrearDiasHoras.h"

#include "import/RecreateTable.h"

namespace centre_import {

namespace {

const std::vector<dbf::FieldDef> diashorastFields = {
    {QStringLiteral("DIHO"), dbf::FieldType::String, 10},
    {QStringLiteral("CODDIHO"), dbf::FieldType::String, 10},
    {QStringLiteral("DIA"), dbf::FieldType::String, 20},
    {QStringLiteral("TEXTODIA"), dbf::FieldType::String, 20},
    {QStringLiteral("HORA"), dbf::FieldType::String, 8},
    {QStringLiteral("TEXTOHOR"), dbf::FieldType::String, 8},
    {QStringLiteral("HORADESDE"), dbf::FieldType::String, 8},
    {QStringLiteral("HORAHASTA"), dbf::FieldType::String, 8},
    {QStringLiteral("MINUTOS"), dbf::FieldType::String, 8},
    {QStringLiteral("MARCO"), dbf::FieldType::String, 1},
    {QStringLiteral("MARCOXML"), dbf::FieldType::String, 10},
};

} // namespace

void CrearDiasHoras()
{
    // The centre document holds no days or periods: the table is only created.
    recreateTable(QStringLiteral("DIASHORAST"), diashorastFields);
}

} // namespace centre_import
