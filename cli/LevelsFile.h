#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <stdexcept>

// The levels and courses a technician prepares in a spreadsheet for the level
// and course dialog: one course a line, "CODI;NIVEL;CURSO", UTF-8 with or
// without a byte order mark, fields maybe in double quotes, a header line
// allowed. Values are kept as written, trimmed; a blank level or course gives
// that course nothing.
struct LevelAnswer {
    QString nivel;
    QString curso;
};

class LevelsFileError : public std::runtime_error {
public:
    explicit LevelsFileError(const QString &message);
    QString message() const;
};

// The answers by course code. Raises LevelsFileError, with the line, for a
// file that cannot be read, a line without three fields, or a code given twice.
QHash<QString, LevelAnswer> readLevelsFile(const QString &localPath);

// The same from the file's text; `name` names the file in errors.
QHash<QString, LevelAnswer> parseLevels(const QByteArray &content, const QString &name);
