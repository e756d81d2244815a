#include "import/TableLayouts.h"

namespace centre_import {

const std::vector<dbf::FieldDef> &asignomtFields()
{
    static const std::vector<dbf::FieldDef> fields = {
        {QStringLiteral("COD"), dbf::FieldType::String, 10},
        {QStringLiteral("CODLARGO"), dbf::FieldType::String, 10},
        {QStringLiteral("NOMBRE"), dbf::FieldType::String, 80},
        {QStringLiteral("CODI"), dbf::FieldType::String, 20},
        {QStringLiteral("HORAS"), dbf::FieldType::String, 8},
        {QStringLiteral("CODICURS"), dbf::FieldType::String, 20},
        {QStringLiteral("ESTAREA"), dbf::FieldType::Boolean, 0},
        {QStringLiteral("DENIVEL"), dbf::FieldType::String, 5},
        {QStringLiteral("DECURSO"), dbf::FieldType::String, 3},
    };
    return fields;
}

const std::vector<dbf::FieldDef> &proftFields()
{
    static const std::vector<dbf::FieldDef> fields = {
        {QStringLiteral("ABREV"), dbf::FieldType::String, 10},
        {QStringLiteral("NOMBRE"), dbf::FieldType::String, 80},
        {QStringLiteral("DEPART"), dbf::FieldType::String, 40},
        {QStringLiteral("DNI"), dbf::FieldType::Integer, 0},
        {QStringLiteral("CODI"), dbf::FieldType::String, 40},
        {QStringLiteral("EMAIL"), dbf::FieldType::String, 100},
    };
    return fields;
}

const std::vector<dbf::FieldDef> &aulatFields()
{
    static const std::vector<dbf::FieldDef> fields = {
        {QStringLiteral("ABREV"), dbf::FieldType::String, 10},
        {QStringLiteral("NOMBRE"), dbf::FieldType::String, 80},
        {QStringLiteral("EDIFICIO"), dbf::FieldType::String, 1},
        {QStringLiteral("MAXALUM"), dbf::FieldType::Integer, 0},
        {QStringLiteral("CODI"), dbf::FieldType::String, 60},
    };
    return fields;
}

const std::vector<dbf::FieldDef> &cursosFields()
{
    static const std::vector<dbf::FieldDef> fields = {
        {QStringLiteral("CODI"), dbf::FieldType::String, 20},
        {QStringLiteral("DESCRIPCIO"), dbf::FieldType::String, 100},
        {QStringLiteral("NIVEL"), dbf::FieldType::String, 5},
        {QStringLiteral("CURSO"), dbf::FieldType::String, 3},
    };
    return fields;
}

const std::vector<dbf::FieldDef> &grupostFields()
{
    static const std::vector<dbf::FieldDef> fields = {
        {QStringLiteral("ABREV"), dbf::FieldType::String, 10},
        {QStringLiteral("TURNO"), dbf::FieldType::String, 1},
        {QStringLiteral("NIVEL"), dbf::FieldType::String, 5},
        {QStringLiteral("CURSO"), dbf::FieldType::String, 3},
        {QStringLiteral("GRUPO"), dbf::FieldType::String, 2},
        {QStringLiteral("DESCRIP"), dbf::FieldType::String, 80},
        {QStringLiteral("MARCO"), dbf::FieldType::String, 1},
        {QStringLiteral("CODI"), dbf::FieldType::String, 20},
        {QStringLiteral("CODICURS"), dbf::FieldType::String, 20},
    };
    return fields;
}

const std::vector<dbf::FieldDef> &matibFields()
{
    static const std::vector<dbf::FieldDef> fields = {
        {QStringLiteral("ABREV"), dbf::FieldType::String, 10},
        {QStringLiteral("ABREV8"), dbf::FieldType::String, 10},
        {QStringLiteral("NOMBRE"), dbf::FieldType::String, 80},
        {QStringLiteral("NIVEL"), dbf::FieldType::String, 5},
        {QStringLiteral("CURSO"), dbf::FieldType::String, 3},
    };
    return fields;
}

const std::vector<dbf::FieldDef> &asigtFields()
{
    static const std::vector<dbf::FieldDef> fields = {
        {QStringLiteral("CASIG"), dbf::FieldType::String, 10},
        {QStringLiteral("CPROF"), dbf::FieldType::String, 10},
        {QStringLiteral("CGRUP"), dbf::FieldType::String, 10},
        {QStringLiteral("CAULA"), dbf::FieldType::String, 10},
        {QStringLiteral("TURNO"), dbf::FieldType::String, 1},
        {QStringLiteral("NIVEL"), dbf::FieldType::String, 5},
        {QStringLiteral("CURSO"), dbf::FieldType::String, 3},
        {QStringLiteral("GRUPO"), dbf::FieldType::String, 2},
        {QStringLiteral("HORAS"), dbf::FieldType::Float, 0},
        {QStringLiteral("SESIONES"), dbf::FieldType::String, 20},
        {QStringLiteral("NCONEX"), dbf::FieldType::String, 4},
        {QStringLiteral("CTAREA"), dbf::FieldType::String, 10},
    };
    return fields;
}

const std::vector<dbf::FieldDef> &diashorastFields()
{
    static const std::vector<dbf::FieldDef> fields = {
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
    return fields;
}

} // namespace centre_import
