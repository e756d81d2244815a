#pragma once

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

} // namespace centre_import
