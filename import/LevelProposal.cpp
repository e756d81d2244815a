#include "import/LevelProposal.h"

#include "import/TableLayouts.h"

#include "run/Trimming.h"
#include "platform/FieldDef.h"

#include <QRegularExpression>

namespace centre_import {

namespace {
// The letters of a word without their accents and without anything that is
// not a letter or a digit ("batx." → "BATX", "Enllaç" → "ENLLAC").
QString plainUpperWord(const QString &word)
{
    QString plain;
    for (const QChar c : word.normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber() && c.unicode() < 0x80)
            plain += c.toUpper();
    }
    return plain;
}

int widthInCursos(const QString &field)
{
    for (const dbf::FieldDef &def : cursosFields()) {
        if (def.name == field)
            return def.width;
    }
    return 0;
}

struct Reading {
    LevelProposal proposal;
    // The description's words without the ordinal, plain and upper-cased:
    // "1r Batxillerat Ciències" and "2n batxillerat ciencies" read alike.
    QString withoutOrdinal;
};

Reading readDescription(const QString &descripcio)
{
    // Digits and then, optionally, a Catalan or Spanish ordinal ending.
    static const QRegularExpression ordinal(QStringLiteral("^(\\d{1,3})(?:r|n|t|er|on|rt|º|ª|o|a|\\.)?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QStringList words = descripcio.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < words.size(); ++i) {
        const QRegularExpressionMatch match = ordinal.match(words[i]);
        if (!match.hasMatch())
            continue;
        const QString level = plainUpperWord(words[i + 1]);
        if (level.isEmpty())
            continue;
        QStringList rest;
        for (qsizetype j = 0; j < words.size(); ++j) {
            const QString plain = j == i ? QString() : plainUpperWord(words[j]);
            if (!plain.isEmpty())
                rest << plain;
        }
        return {{level.left(widthInCursos(QStringLiteral("NIVEL"))),
                 match.captured(1).left(widthInCursos(QStringLiteral("CURSO")))},
                rest.join(u' ')};
    }
    return {};
}
} // namespace

LevelProposal proposeLevel(const QString &descripcio)
{
    return readDescription(descripcio).proposal;
}

SchoolLevels::SchoolLevels(const QList<KeptLevel> &kept)
{
    for (const KeptLevel &level : kept) {
        const QString nivel = trimControl(level.nivel);
        const Reading reading = readDescription(level.descripcio);
        if (nivel.isEmpty() || reading.proposal.nivel.isEmpty())
            continue;
        // The first kept row of a description wins, as the table's look-ups find it.
        if (!m_byDescription.contains(reading.withoutOrdinal))
            m_byDescription.insert(reading.withoutOrdinal, nivel);
        const auto known = m_byKey.constFind(reading.proposal.nivel);
        if (known == m_byKey.cend())
            m_byKey.insert(reading.proposal.nivel, nivel);
        else if (*known != nivel)
            m_byKey.insert(reading.proposal.nivel, QString());
    }
}

LevelProposal SchoolLevels::propose(const QString &descripcio) const
{
    Reading reading = readDescription(descripcio);
    LevelProposal &proposal = reading.proposal;
    if (proposal.nivel.isEmpty())
        return proposal;
    if (const auto same = m_byDescription.constFind(reading.withoutOrdinal); same != m_byDescription.cend())
        proposal.nivel = *same;
    else if (const auto key = m_byKey.constFind(proposal.nivel); key != m_byKey.cend())
        proposal.nivel = *key;
    return proposal;
}

} // namespace centre_import
