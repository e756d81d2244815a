#include "import/LevelProposal.h"

#include "import/TableLayouts.h"

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
} // namespace

LevelProposal proposeLevel(const QString &descripcio)
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
        return {level.left(widthInCursos(QStringLiteral("NIVEL"))),
                match.captured(1).left(widthInCursos(QStringLiteral("CURSO")))};
    }
    return {};
}

} // namespace centre_import
