#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <stdexcept>
#include <vector>

// The levels and courses a technician prepares in a spreadsheet for the level
// and course dialog: one course a line, "CODI;NIVEL;CURSO", UTF-8 with or
// without a byte order mark, fields maybe in double quotes, a header line
// allowed. A header names the columns, in any order, and other columns (the
// template's DESCRIPCIO and GRUPOS) are passed over; without one the first
// three columns are CODI, NIVEL and CURSO. Values are kept as written,
// trimmed; a blank level or course gives that course nothing.
struct LevelAnswer {
    QString nivel;
    QString curso;
    int line = 0; // where the file gives it, counted from 1
};

class LevelsFileError : public std::runtime_error {
public:
    explicit LevelsFileError(const QString &message);
    QString message() const;
};

// The answers by course code. Raises LevelsFileError, with the line, for a
// file that cannot be read, a line without the three fields, a code given
// twice, or a level or course longer than CURSOST keeps (NIVEL 5, CURSO 3
// characters), which the table would cut without a word.
QHash<QString, LevelAnswer> readLevelsFile(const QString &localPath);

// The same from the file's text; `name` names the file in errors.
QHash<QString, LevelAnswer> parseLevels(const QByteArray &content, const QString &name);

// A level the file writes with lower-case letters. GestIB writes its levels
// in capitals, and the groups' codes are made of the level as it is typed
// ("eso" gives "eso1A"): the level is kept, and the user is warned.
struct LowerCaseLevel {
    QString codi;
    QString nivel;
    int line = 0;
};

// The file's levels with lower-case letters, in the file's order.
std::vector<LowerCaseLevel> lowerCaseLevels(const QHash<QString, LevelAnswer> &levels);
