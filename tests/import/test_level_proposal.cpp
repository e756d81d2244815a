#include "import/LevelProposal.h"

#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

using centre_import::LevelProposal;
using centre_import::proposeLevel;

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

} // namespace
