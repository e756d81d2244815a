#pragma once

#include <QString>

namespace dbf {

// What a field holds, and the dBase type it is stored as.
enum class FieldType {
    String,  // character field of the given width (C)
    Boolean, // logical (L, 1)
    Integer, // 32-bit integer, stored as N(11,0)
    Float,   // floating-point number, stored as N(20,4)
};

// One field of a table: as defined for a new table, or as an open table's
// file holds it.
struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
    int width = 0; // characters, for String only
};

} // namespace dbf
