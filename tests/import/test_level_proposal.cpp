#include "import/LevelProposal.h"

#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

using centre_import::KeptLevel;
using centre_import::LevelProposal;
using centre_import::proposeLevel;
using centre_import::SchoolLevels;

namespace {

struct ProposalCase {
    const char *name;
    const char *descripcio;
    const char *nivel;
    const char *curso;
};

class LevelProposalTest : public testing::TestWithParam<ProposalCase> {};

TEST_P(LevelProposalTest, ReadsOrdinalAndFollowingWord)
{
    const ProposalCase &c = GetParam();
    const LevelProposal proposal = proposeLevel(QString::fromUtf8(c.descripcio));
    EXPECT_EQ(proposal.nivel, QString::fromUtf8(c.nivel));
    EXPECT_EQ(proposal.curso, QString::fromUtf8(c.curso));
}

const ProposalCase cases[] = {
    {"CatalanFirst", "1r ESO", "ESO", "1"},
    {"CatalanSecondWithFullStop", "2n batx.", "BATX", "2"},
    {"MixedCase", "1r Batx.", "BATX", "1"},
    {"CatalanFourth", "4t ESO", "ESO", "4"},
    {"SpanishOrdinal", "1º FP Básica", "FP", "1"},
    {"FeminineOrdinal", "2ª Etapa", "ETAPA", "2"},
    {"AccentsDropped", "3r Àmbit", "AMBIT", "3"},
    {"LevelCutToField", "1r Batxillerat", "BATXI", "1"},
    {"WordsBeforeTheOrdinal", "Curs 2n ESO", "ESO", "2"},
    {"NoOrdinal", "Aula Enllaç", "", ""},
    {"OrdinalWithoutWord", "1r", "", ""},
    {"Empty", "", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Descriptions, LevelProposalTest, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<ProposalCase> &info) { return std::string(info.param.name); });

// A school with no kept levels gets what the description reads.
class WithoutKeptLevels : public testing::TestWithParam<ProposalCase> {};

TEST_P(WithoutKeptLevels, ProposesWhatTheDescriptionReads)
{
    const ProposalCase &c = GetParam();
    const LevelProposal proposal = SchoolLevels().propose(QString::fromUtf8(c.descripcio));
    EXPECT_EQ(proposal.nivel, QString::fromUtf8(c.nivel));
    EXPECT_EQ(proposal.curso, QString::fromUtf8(c.curso));
}

INSTANTIATE_TEST_SUITE_P(Descriptions, WithoutKeptLevels, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<ProposalCase> &info) { return std::string(info.param.name); });

// What a school confirmed before, as CURSOST2 keeps it, in table order.
const QList<KeptLevel> kept = {
    {QStringLiteral("1r Batxillerat Ciències"), QStringLiteral("BCT")},
    {QStringLiteral("1r Batxillerat Humanitats"), QStringLiteral("BHC")},
    {QStringLiteral("3r Batxillerat Ciències"), QStringLiteral("BXX")}, // a later row of the same description
    {QStringLiteral("1r ESO"), QStringLiteral("ESO")},
    {QStringLiteral("2n ESO"), QStringLiteral("ESO")},
    {QStringLiteral("1r FP Bàsica"), QStringLiteral(" FPB ")},
    {QStringLiteral("1r Grau Mitjà"), QStringLiteral("  ")}, // never completed
    {QStringLiteral("Aula Enllaç"), QStringLiteral("AE")},   // no ordinal: nothing to file it under
};

class InTheSchoolsLevels : public testing::TestWithParam<ProposalCase> {};

TEST_P(InTheSchoolsLevels, ProposesTheLevelTheSchoolUsed)
{
    const ProposalCase &c = GetParam();
    const LevelProposal proposal = SchoolLevels(kept).propose(QString::fromUtf8(c.descripcio));
    EXPECT_EQ(proposal.nivel, QString::fromUtf8(c.nivel));
    EXPECT_EQ(proposal.curso, QString::fromUtf8(c.curso));
}

const ProposalCase schoolCases[] = {
    {"SameDescriptionOtherOrdinal", "2n Batxillerat Ciències", "BCT", "2"},
    {"SameDescriptionOtherSpelling", "2n batxillerat ciencies", "BCT", "2"},
    {"OtherDescriptionOfTheSameWord", "2n Batxillerat Humanitats", "BHC", "2"},
    {"WordWithSeveralLevelsProposesNone", "2n Batxillerat Arts", "", "2"},
    {"WordWithOneLevel", "2n FP Bàsica Informàtica", "FPB", "2"},
    {"WordWithOneLevelKeptTwice", "4t ESO PMAR", "ESO", "4"},
    {"BlankKeptLevelIgnored", "2n Grau Mitjà", "GRAU", "2"},
    {"WordTheSchoolNeverUsed", "1r Cicle Superior", "CICLE", "1"},
    {"NoOrdinalStillNothing", "Aula Enllaç", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Descriptions, InTheSchoolsLevels, testing::ValuesIn(schoolCases),
                         [](const testing::TestParamInfo<ProposalCase> &info) { return std::string(info.param.name); });

} // namespace
