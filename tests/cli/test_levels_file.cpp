#include "cli/LevelsFile.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

// The file's answers as "CODI NIVEL CURSO", sorted by code.
QStringList answers(const QByteArray &content)
{
    const QHash<QString, LevelAnswer> read = parseLevels(content, QStringLiteral("niveles.csv"));
    QStringList out;
    for (auto it = read.cbegin(); it != read.cend(); ++it)
        out << QStringLiteral("%1 %2 %3").arg(it.key(), it->nivel, it->curso);
    out.sort();
    return out;
}

struct ReadCase {
    const char *name;
    QByteArray content;
    QStringList expected;
};

class LevelsFileReads : public testing::TestWithParam<ReadCase> {};

TEST_P(LevelsFileReads, TheAnswersAsWritten)
{
    EXPECT_EQ(answers(GetParam().content), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, LevelsFileReads,
    testing::Values(
        ReadCase{"Plain", "101;ESO;1\n102;BATX;2\n", {"101 ESO 1", "102 BATX 2"}},
        ReadCase{"HeaderLine", "CODI;NIVEL;CURSO\n101;ESO;1\n", {"101 ESO 1"}},
        ReadCase{"ByteOrderMarkAndHeader", "\xEF\xBB\xBF" "codi;nivel;curso\r\n101;ESO;1\r\n", {"101 ESO 1"}},
        ReadCase{"WindowsLineEnds", "101;ESO;1\r\n102;ESO;2", {"101 ESO 1", "102 ESO 2"}},
        ReadCase{"QuotedFields", "\"101\";\"ES;O\";\"1\"\"\"\n", {"101 ES;O 1\""}},
        ReadCase{"EmptyCellsPaddingTheRow", "101;ESO;1;;\n", {"101 ESO 1"}},
        ReadCase{"BlanksAroundValues", " 101 ; ESO ;\t1 \n", {"101 ESO 1"}},
        ReadCase{"BlankLinesSkipped", "\n101;ESO;1\n\n  \n", {"101 ESO 1"}},
        ReadCase{"BlankLevelGivesNothing", "101;;1\n", {"101  1"}},
        ReadCase{"AccentedUtf8", "101;ESÖ;1r\n", {"101 ESÖ 1r"}},
        ReadCase{"ExtraColumnsIgnored", "101;ESO;1;x\n", {"101 ESO 1"}},
        ReadCase{"TheTemplatesColumns",
                 "\xEF\xBB\xBF" "CODI;NIVEL;CURSO;DESCRIPCIO;GRUPOS\r\n101;ESO;1;1r ESO;A, B\r\n102;;;2n ESO;\r\n",
                 {"101 ESO 1", "102  "}},
        ReadCase{"HeaderInAnotherOrder", "Descripcio;Curso;Codi;Nivel\n1r ESO;1;101;ESO\n", {"101 ESO 1"}},
        ReadCase{"QuotedLineBreakAndSemicolon", "CODI;NIVEL;CURSO;DESCRIPCIO\n101;ESO;1;\"dos\r\nlíneas; \"\"sí\"\"\"\n102;ESO;2;\n",
                 {"101 ESO 1", "102 ESO 2"}},
        ReadCase{"BlankSpreadsheetRows", "101;ESO;1;;\n;;;;\n ; ;\n102;ESO;2\n", {"101 ESO 1", "102 ESO 2"}},
        ReadCase{"ValuesAsLongAsTheirFields", "101;BATXI;1r \n102;ÀÉÎÕÜ;123\n", {"101 BATXI 1r", "102 ÀÉÎÕÜ 123"}}),
    [](const testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

struct RefusedCase {
    const char *name;
    QByteArray content;
    const char *saying;
};

class LevelsFileRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(LevelsFileRefuses, WithTheLineAtFault)
{
    try {
        parseLevels(GetParam().content, QStringLiteral("niveles.csv"));
        FAIL() << "accepted";
    } catch (const LevelsFileError &e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(GetParam().saying))) << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, LevelsFileRefuses,
    testing::Values(RefusedCase{"TwoFields", "101;ESO;1\n102;ESO\n", "línea 2: se esperaban tres campos"},
                    RefusedCase{"CommaSeparated", "101,ESO,1\n",
                                "línea 1: se esperaban tres campos separados por «;» (CODI;NIVEL;CURSO) y hay 1; "
                                "la línea los separa con comas"},
                    RefusedCase{"TabSeparated", "101\tESO\t1\n", "y hay 1; la línea los separa con tabuladores"},
                    RefusedCase{"CommaSeparatedHeader", "CODI,NIVEL,CURSO\n101,ESO,1\n",
                                "línea 1: se esperaban tres campos separados por «;» (CODI;NIVEL;CURSO) y hay 1; "
                                "la línea los separa con comas"},
                    RefusedCase{"CommaSeparatedWithQuotedComma", "101,\"1r ESO, A\",ESO,1\n", "separa con comas"},
                    RefusedCase{"NoCode", ";ESO;1\n", "falta el código"},
                    RefusedCase{"CodeTwice", "101;ESO;1\n101;BATX;1\n", "línea 2: el curso 101 ya aparece"},
                    RefusedCase{"NotUtf8", "101;ES\xD3;1\n", "no está en UTF-8"},
                    RefusedCase{"SavedInTheWindowsCodePage", "101;ESO;1\r\n102;ESO;2;Aula Enlla\xE7\r\n",
                                "no está en UTF-8 (línea 2)"},
                    RefusedCase{"LevelLongerThanItsField", "101;ESO;1\n102;BACHILLER;1\n",
                                "línea 2: NIVEL «BACHILLER» tiene 9 caracteres; el campo admite 5"},
                    RefusedCase{"CourseLongerThanItsField", "CODI;NIVEL;CURSO\n101;ESO;1r B\n",
                                "línea 2: CURSO «1r B» tiene 4 caracteres; el campo admite 3"},
                    RefusedCase{"LineCountedPastAQuotedLineBreak",
                                "CODI;NIVEL;CURSO;DESCRIPCIO\n101;ESO;1;\"dos\nlíneas\"\n102;ESO;1234;x\n",
                                "línea 4: CURSO"},
                    RefusedCase{"HeaderWithoutCourse", "CODI;NIVEL;DESCRIPCIO\n101;ESO;1r ESO\n",
                                "línea 1: la cabecera no tiene la columna CURSO"},
                    RefusedCase{"FewerFieldsThanTheHeaderNames", "DESCRIPCIO;CODI;NIVEL;CURSO\n1r ESO;101;ESO\n",
                                "línea 2: se esperaban"}),
    [](const testing::TestParamInfo<RefusedCase> &info) { return std::string(info.param.name); });

// Which separator the line uses is said only when it would have given the fields.
TEST(LevelsFile, NamesNoSeparatorTheLineDoesNotUse)
{
    for (const QByteArray &content : {QByteArray("101;ESO\n"), QByteArray("101;ESO, BATX\n"), QByteArray("101;\tESO\n")}) {
        try {
            parseLevels(content, QStringLiteral("niveles.csv"));
            ADD_FAILURE() << "accepted " << content.toStdString();
        } catch (const LevelsFileError &e) {
            EXPECT_TRUE(e.message().endsWith(QStringLiteral("y hay 2"))) << e.message().toStdString();
        }
    }
}

// Levels typed with lower-case letters are kept as typed and pointed out, in
// the file's order.
TEST(LevelsFile, LowerCaseLevels)
{
    const struct {
        const char *name;
        QByteArray content;
        QStringList found; // "line CODI NIVEL"
    } cases[] = {
        {"all capitals", "101;ESO;1\n102;BATX;2\n103;;\n104;ÀÉ;1\n", {}},
        {"lower case", "101;eso;1\n", {"1 101 eso"}},
        {"mixed case, in the file's order", "CODI;NIVEL;CURSO\n301;FP;1\n201;Batx;1\n101;eso;1r\n102;ESO;2\n",
         {"3 201 Batx", "4 101 eso"}},
        {"accented lower case", "101;ESÒ;1\n102;ESò;1\n", {"2 102 ESò"}},
        {"a lower-case course alone is no level", "101;ESO;1r\n", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QHash<QString, LevelAnswer> levels = parseLevels(c.content, QStringLiteral("niveles.csv"));
        QStringList found;
        for (const LowerCaseLevel &level : lowerCaseLevels(levels))
            found << QStringLiteral("%1 %2 %3").arg(QString::number(level.line), level.codi, level.nivel);
        EXPECT_EQ(found, c.found);
        for (auto it = levels.cbegin(); it != levels.cend(); ++it)
            EXPECT_TRUE(QString::fromUtf8(c.content).contains(u';' + it->nivel + u';')) << "kept as typed";
    }
}

} // namespace
