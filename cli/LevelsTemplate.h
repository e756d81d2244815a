#pragma once

#include "cli/LevelsFile.h"
#include "import/CentreDocument.h"
#include "import/LevelProposal.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace xml {
class Document;
}

// The levels file to be completed in a spreadsheet and given back to
// --niveles: a line per course of the centre document, with its description
// and group names beside the level and course number to fill in.
struct TemplateRow {
    QString codi;
    QString nivel;
    QString curso;
    QString descripcio;
    QStringList grupos;
};

struct LevelsTemplate {
    std::vector<TemplateRow> rows; // in document order
    // Descriptions of the courses that have no code: no line of the file
    // could answer them, so they are left out and named.
    QStringList withoutCode;

    // The rows still without a level or a course number.
    int incomplete() const;
};

// The courses of a GestIB centre document (an error of kind RefusedDocument
// for another document), each filled with the answer kept for its code and,
// where `suggest`, each cell still empty with the proposal read from its
// description in the school's levels (`school`). A code that several courses
// share gets one line, with the first course's description and every
// course's groups, since the levels file answers a code once.
LevelsTemplate levelsTemplate(const centre_import::CentreDocument &document, const QString &path,
                              const QHash<QString, LevelAnswer> &kept, bool suggest,
                              const centre_import::SchoolLevels &school = centre_import::SchoolLevels());

// The file's bytes: a header line, then the rows; UTF-8 with a byte order
// mark and CRLF line ends, so that a spreadsheet opens it with its accents;
// a field with ';', '"' or a line break in double quotes.
QByteArray levelsTemplateText(const LevelsTemplate &levels);
