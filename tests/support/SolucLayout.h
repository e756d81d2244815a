#pragma once

#include "platform/FieldDef.h"

#include <vector>

// SOLUC as the timetabling program leaves it: one record per session, with
// fields of its own (SESION, BLOQUE) that the export passes over. The export
// only reads it, so its layout is the tests' to declare.
inline const std::vector<dbf::FieldDef> &solucFields()
{
    static const std::vector<dbf::FieldDef> fields = {
        {QStringLiteral("SESION"), dbf::FieldType::Integer, 0},
        {QStringLiteral("DIA"), dbf::FieldType::Integer, 0},
        {QStringLiteral("HORA"), dbf::FieldType::Float, 0},
        {QStringLiteral("PROF"), dbf::FieldType::String, 10},
        {QStringLiteral("CODGRUPO"), dbf::FieldType::String, 10},
        {QStringLiteral("AULA"), dbf::FieldType::String, 10},
        {QStringLiteral("ASIG"), dbf::FieldType::String, 10},
        {QStringLiteral("TAREA"), dbf::FieldType::String, 10},
        {QStringLiteral("BLOQUE"), dbf::FieldType::String, 10},
    };
    return fields;
}
