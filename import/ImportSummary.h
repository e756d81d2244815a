#pragma once

#include "run/BackupManifest.h"
#include "run/RunSummary.h"

#include <QJsonArray>
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

// How the entries of one table (teachers, subjects...) differ from those of
// the set it replaced, by their GestIB code: added, gone, and kept under the
// same code with another name. The first few of each are kept to show.
struct CodeChanges {
    struct Entry {
        QString codi;
        QString name;
        QString earlierName; // for a changed one
    };
    QString table;
    int added = 0, gone = 0, renamed = 0;
    QList<Entry> firstAdded, firstGone, firstRenamed;

    bool isEmpty() const { return added == 0 && gone == 0 && renamed == 0; }
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
    QList<TableRows> tableRows;       // the imported tables, in the order the steps write them
    QList<ShortCodeChange> shortCodeChanges;
    QList<CourseRef> coursesWithoutLevel;
    QList<LevelCollision> levelCollisions;
    bool subjectLinesCreated = false; // the user agreed to the proposed lines
    bool checkOnly = false;           // told as what an import would write, by a check that wrote into a scratch folder
    QString backup;                   // where the replaced tables were kept; empty when none were
    // The working folder's set that the import replaced, as it stood just
    // before (rows counted in the tables, which the timetabling program
    // fills after an import); none when the folder held no table of the set.
    std::optional<BackupManifest> replaced;
    QList<CodeChanges> codeChanges;   // of the replaced set, table by table; only tables with changes
    QString createdFolder;            // the working folder's real path when the import had to create it

    // Adds a step's changed codes, naming the table they went to.
    void addShortCodeChanges(const QString &table, QList<ShortCodeChange> changes);
    // The rows counted in a table, -1 when it was not read back.
    int rowsOf(const QString &table) const;

    QString title() const override;
    QStringList lines() const override;
    QStringList warnings() const override;
    QJsonObject toJson() const override;

    // The lines and the JSON of the changes by code, also for a comparison of two sets.
    static QStringList codeChangeLines(const QList<CodeChanges> &changes);
    static QJsonArray codeChangesJson(const QList<CodeChanges> &changes);

private:
    // What the import replaced that the user may not have meant to lose.
    QStringList replacementWarnings() const;
};
