#include "import/ShortCodes.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <random>

using namespace centre_import;

namespace {

// One element as its step passes it to the rule: the single value for
// subjects, teachers and rooms; level, course and name for groups.
using Rule = std::function<QString(CodeList &, const QStringList &)>;

const Rule subject = [](CodeList &codes, const QStringList &v) { return subjectShortCode(codes, v.at(0)); };
const Rule teacher = [](CodeList &codes, const QStringList &v) { return teacherShortCode(codes, v.at(0)); };
const Rule room = [](CodeList &codes, const QStringList &v) { return roomShortCode(codes, v.at(0)); };
const Rule group = [](CodeList &codes, const QStringList &v) { return groupShortCode(codes, v.at(0), v.at(1), v.at(2)); };

QList<QStringList> repeated(const QStringList &element, int times)
{
    return QList<QStringList>(times, element);
}

QStringList numbered(const QString &stem, int from, int to)
{
    QStringList codes;
    for (int i = from; i <= to; ++i)
        codes << stem + QString::number(i);
    return codes;
}

struct RuleCase {
    const char *name;
    Rule rule;
    QList<QStringList> elements; // in document order
    QStringList codes;           // expected, one per element
    QStringList listed;          // strings the code list must hold afterwards
};

const RuleCase ruleCases[] = {
    {"subjects numbered past nine keep the last two digits",
     subject,
     QList<QStringList>{{"Matematiques"}, {"MATEMATIQUES"}} + repeated({"Matematiques"}, 9),
     QStringList{"Matematiqs", "MATEMATIQ1"} + numbered("Matematiq", 2, 9) + QStringList{"Matemati10"},
     {"Matematiq10", "matematiq10", "Matemati10"}},
    {"subjects with an empty curta are numbered at once",
     subject,
     repeated({""}, 3),
     {"1", "2", "3"},
     {}},
    {"subjects differing only in letter case, accents included",
     subject,
     {{"Àlgebra"}, {"àlgebra"}, {"algebra"}, {"ALGEBRA"}},
     {"Àlgebra", "àlgebra1", "algebra", "ALGEBRA1"},
     {}},
    {"teacher bases cut to nine characters clash ignoring case",
     teacher,
     {{"RODRIGUEZ M"}, {"Rodriguez X"}},
     {"RODRIGUEZ", "Rodriguez1"},
     {}},
    {"teachers without curta start at P1",
     teacher,
     repeated({""}, 3),
     {"P1", "P2", "P3"},
     {}},
    {"teachers without curta pass over codes already given",
     teacher,
     {{"P1"}, {""}, {""}},
     {"P1", "P2", "P3"},
     {}},
    {"teachers whose numbered codes shorten alike go on counting",
     teacher,
     repeated({"MARTINEZAB"}, 3),
     {"MARTINEZAB", "MARTINEZB1", "MARTINEZB2"},
     {}},
    {"rooms numbered from the first nine characters",
     room,
     {{"Aula de Musica"}, {"Aula de musica 2"}},
     {"Aula de Mu", "Aula de m1"},
     {}},
    {"a room whose base is a shortened code given before",
     room,
     repeated({"Aula de Musica"}, 11) + QList<QStringList>{{"Aula de 10"}},
     QStringList{"Aula de Mu"} + numbered("Aula de M", 1, 9) + QStringList{"Aula de 10", "Aula de 11"},
     {"Aula de M10"}},
    {"a base cut after a blank clashes with the same text without it",
     room,
     {{"Taller de Tecnologia"}, {"Taller de"}},
     {"Taller de ", "Taller de1"},
     {}},
    {"bases differing only outside code page 1252",
     teacher,
     {{"Ωmega"}, {"Ψmega"}},
     {"Ωmega", "Ψmega1"},
     {}},
    {"groups with the same name in two courses",
     group,
     {{"ESO", "1", "A"}, {"ESO", "1", "A"}},
     {"ESO1A", "ESO1A1"},
     {}},
    {"long group bases are shortened without a clash",
     group,
     repeated({"BATX", "2", "CIENCIES"}, 3),
     {"BATX2CIEES", "BATX2CIEN1", "BATX2CIEN2"},
     {"BATX2CIENCIES", "BATX2CIEN1"}},
    {"long group bases that shorten alike",
     group,
     {{"BATX", "2", "CIENCIES"}, {"BATX", "2", "CIENCIAES"}},
     {"BATX2CIEES", "BATX2CIEN1"},
     {}},
    {"a group without level, course or name",
     group,
     repeated({"", "", ""}, 2),
     {"1", "2"},
     {}},
};

class ShortCodeRule : public testing::TestWithParam<RuleCase> {};

TEST_P(ShortCodeRule, GivesTheCodesInDocumentOrder)
{
    const RuleCase &c = GetParam();
    CodeList codes;
    QStringList given;
    for (const QStringList &element : c.elements)
        given << c.rule(codes, element);
    EXPECT_EQ(given, c.codes);
    for (const QString &entry : c.listed)
        EXPECT_TRUE(codes.contains(CodeList::key(entry))) << entry.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Variants, ShortCodeRule, testing::ValuesIn(ruleCases),
                         [](const testing::TestParamInfo<RuleCase> &info) { return std::to_string(info.index); });

// Past the 99th clash all the counter's digits stay, so one stem never runs
// out of codes.
TEST(ShortCodeRule, CountersOfThreeDigitsKeepAllDigits)
{
    CodeList codes;
    QStringList given;
    for (int i = 0; i < 112; ++i)
        given << subjectShortCode(codes, QStringLiteral("Matematiques"));
    EXPECT_EQ(given.at(0), QStringLiteral("Matematiqs"));
    EXPECT_EQ(given.mid(10, 90), numbered(QStringLiteral("Matemati"), 10, 99));
    EXPECT_EQ(given.mid(100), numbered(QStringLiteral("Matemat"), 100, 111));
}

TEST(CodeList, ComparesAsStoredIgnoringCase)
{
    const struct {
        const char *given;
        const char *looked;
        bool found;
    } cases[] = {
        {"À", "à", true},           {"a", "à", false},         {"Š", "š", true},
        {"Ÿ", "ÿ", true},           {"Taller de ", "Taller de", true},
        {"Ω", "Ψ", true},           {"Matematiq10", "Matematiq1", false},
        {"😀", "?", true},          {"ESO1A", "ESO1A1", false},
        {"Taller DE ", "taller de", true}, {"ESO1a", "eso1A", true}, {"Z[", "z{", false},
    };
    for (const auto &c : cases) {
        CodeList codes;
        codes.add(CodeList::key(QString::fromUtf8(c.given)));
        EXPECT_EQ(codes.contains(CodeList::key(QString::fromUtf8(c.looked))), c.found) << c.given << " / " << c.looked;
    }
}

// The key is the text as the code page holds it, folded as Qt folds a whole
// text: every character of the basic plane alone, and between others.
TEST(CodeList, KeyFoldsAsTheCodePageTextFolds)
{
    const auto expected = [](QString text) {
        while (text.endsWith(QLatin1Char(' '))) // padding, as the key drops it
            text.chop(1);
        const QByteArray bytes = dbf::cp1252::encode(text, text.size());
        return dbf::cp1252::decode(bytes.constData(), bytes.size()).toCaseFolded();
    };
    for (char32_t c = 1; c <= 0xFFFF; ++c) {
        const QString alone{QChar(char16_t(c))};
        ASSERT_EQ(CodeList::key(alone), expected(alone)) << "U+" << std::hex << unsigned(c);
        const QString between = QStringLiteral("aÀ") + alone + QStringLiteral("ßZ");
        ASSERT_EQ(CodeList::key(between), expected(between)) << "U+" << std::hex << unsigned(c);
    }
    const QString emoji = QString::fromUtf8("Mà😀ß");
    EXPECT_EQ(CodeList::key(emoji), expected(emoji));
}

TEST(CharacterCuts, CountACharacterBeyondTheBasicPlaneOnce)
{
    const QString text = QString::fromUtf8("a😀bcdefghijk😀");
    EXPECT_EQ(characterCount(text), 13);
    EXPECT_EQ(firstCharacters(text, 2), QString::fromUtf8("a😀"));
    EXPECT_EQ(lastCharacters(text, 2), QString::fromUtf8("k😀"));
    EXPECT_EQ(firstCharacters(text, 99), text);
    EXPECT_EQ(lastCharacters(text, 99), text);
    EXPECT_EQ(subjectLongCode(text), QString::fromUtf8("a😀bcdefgh😀"));
    CodeList codes;
    EXPECT_EQ(roomShortCode(codes, text), QString::fromUtf8("a😀bcdefghi"));
}

// The rule without the uniqueness guarantees: a linear list compared ignoring
// case, the empty base kept, the numbered code shortened to its first 8 and
// last 2 characters and not looked up again. It also reports the highest
// counter it used.
struct PlainRule {
    QStringList list;
    int highestCounter = 0;

    bool contains(const QString &s) const
    {
        for (const QString &entry : list)
            if (QString::compare(entry, s, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }

    enum class Appends { CandidateAndCode, Code, Candidate };

    QString code(const QString &base, const QString &stem, Appends appends)
    {
        QString candidate = base;
        if (contains(base)) {
            int counter = 1;
            while (contains(stem + QString::number(counter)))
                ++counter;
            highestCounter = std::max(highestCounter, counter);
            candidate = stem + QString::number(counter);
        }
        const QString code = candidate.size() > 10 ? candidate.left(8) + candidate.right(2) : candidate;
        if (appends != Appends::Code)
            list << candidate;
        if (appends != Appends::Candidate)
            list << code;
        return code;
    }

    QString apply(int variant, const QStringList &v)
    {
        switch (variant) {
        case 0: {
            const QString base = v[0].size() > 10 ? v[0].left(9) + v[0].right(1) : v[0];
            return code(base, base.left(9), Appends::CandidateAndCode);
        }
        case 1: {
            const QString base = v[0].size() > 10 ? v[0].left(9) : v[0];
            return code(base, base.isEmpty() ? QStringLiteral("P") : base, Appends::Code);
        }
        case 2: {
            const QString base = v[0].left(10);
            return code(base, base.left(9), Appends::Candidate);
        }
        default: {
            const QString base = v[0].left(5) + v[1].left(2) + v[2];
            return code(base, base.left(9), Appends::Candidate);
        }
        }
    }
};

const Rule variants[] = {subject, teacher, room, group};

// How the code reads back from a table.
QString stored(const QString &code)
{
    QByteArray bytes = dbf::cp1252::encode(code, 10);
    while (bytes.endsWith(' '))
        bytes.chop(1);
    return dbf::cp1252::decode(bytes.constData(), bytes.size());
}

bool uniqueAndNonEmptyAsStored(const QStringList &codes)
{
    QStringList seen;
    for (const QString &code : codes) {
        const QString s = stored(code);
        if (s.isEmpty())
            return false;
        for (const QString &earlier : seen)
            if (QString::compare(s, earlier, Qt::CaseInsensitive) == 0)
                return false;
        seen << s;
    }
    return true;
}

// Short values from a small alphabet with case variants, accents, a blank and
// a letter outside code page 1252, so that clashes are frequent; some long
// enough to be cut and shortened, a few empty.
class ElementGenerator {
public:
    explicit ElementGenerator(unsigned seed) : m_random(seed) {}

    QString value()
    {
        static const QStringList alphabet = {"a", "A", "à", "À", "b", "B", "1", " ", "Ω"};
        static const QStringList prefixes = {"", "", "", "Matematique", "Aula de mus", "TECNOLOGIA"};
        if (pick(80) == 0)
            return {};
        QString text = prefixes.at(pick(prefixes.size()));
        const int length = 1 + pick(3);
        for (int i = 0; i < length; ++i) {
            // The blank and the foreign letter are rare, so that most runs
            // still give unique codes under the plain rule.
            const qsizetype bound = pick(20) == 0 ? alphabet.size() : alphabet.size() - 2;
            text += alphabet.at(pick(bound));
        }
        return text.trimmed();
    }

    QStringList element()
    {
        static const QStringList levels = {"ESO", "eso", "BATX", "BATXI", "BATXILLERAT"};
        static const QStringList courses = {"1", "2", "12"};
        return {value(), levels.at(pick(levels.size())), courses.at(pick(courses.size()))};
    }

    int pick(qsizetype bound) { return std::uniform_int_distribution<int>(0, int(bound) - 1)(m_random); }

private:
    std::mt19937 m_random;
};

// Wherever the plain rule gives every element unique, non-empty codes and no
// counter passes 99, the codes are the same; everywhere the codes are unique,
// non-empty and at most 10 characters long.
TEST(ShortCodeRule, AgreesWithThePlainRuleWhereThatOneIsSound)
{
    ElementGenerator generator(20180901);
    int agreeing = 0;
    int mended = 0;
    int shortenedAgreeing = 0;
    for (int run = 0; run < 3000; ++run) {
        const int variant = generator.pick(4);
        const int elements = 1 + generator.pick(60);
        CodeList codes;
        PlainRule plain;
        QStringList given;
        QStringList plainGiven;
        for (int i = 0; i < elements; ++i) {
            QStringList element = generator.element();
            if (variant == 3)
                element = {element[1], element[2], element[0]};
            given << variants[variant](codes, element);
            plainGiven << plain.apply(variant, element);
        }

        ASSERT_TRUE(uniqueAndNonEmptyAsStored(given)) << "run " << run << ": " << given.join('|').toStdString();
        for (const QString &code : given)
            ASSERT_LE(characterCount(code), 10) << code.toStdString();

        if (uniqueAndNonEmptyAsStored(plainGiven) && plain.highestCounter <= 99) {
            ++agreeing;
            if (plain.highestCounter >= 10)
                ++shortenedAgreeing;
            ASSERT_EQ(given, plainGiven) << "run " << run;
        } else {
            ++mended;
        }
    }
    // Both kinds of run, and runs whose numbered codes were shortened, must be
    // common for the comparison to mean anything.
    EXPECT_GT(agreeing, 1000);
    EXPECT_GT(shortenedAgreeing, 50);
    EXPECT_GT(mended, 400);
}

} // namespace
