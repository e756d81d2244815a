#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace centre_import {

// A level and course number read from a course's description, as GestIB
// writes it: "1r ESO" gives NIVEL "ESO" and CURSO "1", "2n batx." gives
// "BATX" and "2", "1º FP Básica" gives "FP" and "1". Only a proposal: the
// user confirms it (the dialog's "Sugerir", the levels template).
struct LevelProposal {
    QString nivel; // empty when the description proposes nothing
    QString curso;
    bool isEmpty() const { return nivel.isEmpty() && curso.isEmpty(); }
};

// The first word that is an ordinal ("1r", "2n", "3r", "4t", "1º", "2ª",
// "1er", "2on", a bare "3") gives the course number; the word after it,
// upper-cased, without accents or punctuation, gives the level. Each is cut
// to its field's width. Without an ordinal followed by a word there is no
// proposal.
LevelProposal proposeLevel(const QString &descripcio);

// A level the school confirmed in an earlier import (a row of CURSOST2), with
// the description its course had then.
struct KeptLevel {
    QString descripcio;
    QString nivel;
};

// Proposals in the school's own levels. A school that gave "1r Batxillerat
// Ciències" the level "BCT" wants "BCT" for "2n Batxillerat Ciències", not
// the word that proposeLevel reads ("BATXI"). Each kept level is filed under
// what proposeLevel reads from its description (its key) and under its
// description without the ordinal. For a new course:
// - a kept course of the same description but for the ordinal gives its level;
// - else, when every kept course of the same key has one level, that level;
// - else, when the kept courses of the key disagree (BCT and BHC both read
//   as "BATXI"), no level: the word read would be one the school never used;
// - else, proposeLevel's own proposal.
// The course number is always proposeLevel's.
class SchoolLevels {
public:
    explicit SchoolLevels(const QList<KeptLevel> &kept = {});
    LevelProposal propose(const QString &descripcio) const;

private:
    QHash<QString, QString> m_byDescription;
    QHash<QString, QString> m_byKey; // an empty level: the school used several
};

} // namespace centre_import
