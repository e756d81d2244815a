#pragma once

#include "platform/Error.h"

#include <QString>


// Writing one integer key of an INI file, keeping the rest of the file.
namespace ini {

class IniError : public Error {
public:
    explicit IniError(const QString &message)
        : Error(Kind::Ini, message)
    {
    }
};

// Sets key=value in [section] of the file. Every other line of an existing file
// stays byte for byte (comments, blank lines, line ends, other sections and
// keys, the key's own letter case); a missing file or section is created. The
// file is replaced atomically. A file that cannot be written raises
// "No se puede escribir en <path>".
void writeInteger(const QString &path, const QString &section, const QString &key, int value);

} // namespace ini
