#pragma once

#include <QString>

#include <memory>

// The short codes (at most 10 characters) by which the timetabling program
// names subjects, teachers, rooms and groups, and by which the timetable
// export finds them again. One rule with four variants; each step keeps its
// own code list for one run.

// The codes already given in one step, looked up ignoring letter case the way
// Unicode case folding does, compared as the table will store and read them
// back (code page 1252, trailing blanks dropped).
class CodeList {
public:
    CodeList();
    ~CodeList();
    CodeList(const CodeList &) = delete;
    CodeList &operator=(const CodeList &) = delete;

    struct Impl;
    std::unique_ptr<Impl> d;
};

QString subjectShortCode(CodeList &codes, const QString &curta);
QString teacherShortCode(CodeList &codes, const QString &curta);
QString roomShortCode(CodeList &codes, const QString &descripcio);
QString groupShortCode(CodeList &codes, const QString &nivel, const QString &curso, const QString &nom);
