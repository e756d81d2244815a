#pragma once

#include "import/ImportSummary.h"

#include <QHash>
#include <QSet>
#include <QString>

namespace centre_import {

// The short codes (at most 10 characters) by which the timetabling program
// names subjects, teachers, rooms and groups, and by which the timetable
// export finds them again. One rule with four variants; each step keeps its
// own code list for one run.
//
// Within one step a code is never given twice and never empty, compared as
// the table stores it: the timetable export maps every session back through
// these codes, so a repeated code would hand one element's sessions to
// another, and an empty one would claim every session that names none.

// The codes already given in one step, and the numbered candidates the rule
// has tried. Strings are compared as the table will store and read them back
// (code page 1252, trailing blanks dropped), ignoring letter case the way
// Unicode case folding does: "À" matches "à", "a" does not match "à". Only
// membership matters to the rule, so the list is a set of such keys.
class CodeList {
public:
    // The form under which the list holds a text. The rule tries each text
    // against the list and may then add it: it makes the key once for both.
    static QString key(const QString &text);
    bool contains(const QString &key) const;
    void add(const QString &key);

    // Every numbered candidate of the stem up to this counter (0 at first) is
    // taken (it, or the code it shortens to, is in the list) and stays taken,
    // since nothing leaves the list; the search for a free one resumes after
    // it instead of trying the k candidates of the stem's k-th clash again.
    int &lastTakenCounter(const QString &stem);

    // The codes given that differ from their base, in the order given, for
    // the run's summary (without the table, which the step names).
    void noteChange(const QString &base, const QString &code);
    const QList<ShortCodeChange> &changes() const;

private:
    QSet<QString> m_keys;
    QHash<QString, int> m_lastTakenCounters;
    QList<ShortCodeChange> m_changes;
};

QString subjectShortCode(CodeList &codes, const QString &curta);
QString teacherShortCode(CodeList &codes, const QString &curta);
QString roomShortCode(CodeList &codes, const QString &descripcio);
QString groupShortCode(CodeList &codes, const QString &nivel, const QString &curso, const QString &nom);

// What a course gives the short codes of its groups before their names: the
// first 5 characters of its level and the first 2 of its course number.
QString groupCodePrefix(const QString &nivel, const QString &curso);

// A subject's long code, which is also the base of its short code: the
// "curta" value itself, or its first 9 characters and its last one when it
// is longer than 10, so that a trailing letter or number that tells two
// subjects apart survives.
QString subjectLongCode(const QString &curta);

// Cuts count characters as the tables do: a character beyond the basic plane
// (a surrogate pair) is one character and is never split.
qsizetype characterCount(const QString &text);
QString firstCharacters(const QString &text, qsizetype n);
QString lastCharacters(const QString &text, qsizetype n);

} // namespace centre_import
