#pragma once

#include "run/BackupManifest.h"
#include "run/RunSummary.h"

#include <QList>

#include <optional>

// A short code that had to differ from its base, because the base was taken
// or longer than the code field.
struct ShortCodeChange {
    QString table; // ASIGNOMT, PROFT, AULAT or GRUPOST
    QString base;
    QString code;
};

// A course as the level and course dialog left it in CURSOST.
struct CourseRef {
    QString codi;
    QString descripcio;
};

// Two courses whose groups' short codes start alike: the same first five
// characters of the level and first two of the course. Their groups of the
// same name clash, and the later ones are numbered (ESO1A, ESO1A1).
struct LevelCollision {
    CourseRef course;
    CourseRef earlier;
    QString prefix; // the shared start, as the later course gives it
};

// What a centre import wrote.
class ImportSummary : public RunSummary {
public:
    struct TableRows {
        QString table;
        int rows = -1; // -1 when the table could not be read back
    };

    QString document;                 // the GestIB file read
    QString codi;                     // its centre
    QString any;                      // its school year
    QList<TableRows> tableRows;       // the nine tables, in the order the steps write them
    QList<ShortCodeChange> shortCodeChanges;
    QList<CourseRef> coursesWithoutLevel;
    QList<LevelCollision> levelCollisions;
    bool subjectLinesCreated = false; // the user agreed to the proposed lines
    QString backup;                   // where the replaced tables were kept; empty when none were
    // The working folder's set that the import replaced, as it stood just
    // before (rows counted in the tables, which the timetabling program
    // fills after an import); none when the folder held no table of the set.
    std::optional<BackupManifest> replaced;

    // Adds a step's changed codes, naming the table they went to.
    void addShortCodeChanges(const QString &table, QList<ShortCodeChange> changes);
    // The rows counted in a table, -1 when it was not read back.
    int rowsOf(const QString &table) const;
    // What one of the nine tables holds, as a user who does not know the
    // table names reads it ("profesores").
    static QString tableContents(const QString &table);

    QString title() const override;
    QStringList lines() const override;
    QStringList warnings() const override;
    QJsonObject toJson() const override;

private:
    // What the import replaced that the user may not have meant to lose.
    QStringList replacementWarnings() const;
};
