// Where F1 and "F1 AYUDA" find the help: the help file beside the program or
// in the working folder, else our own manual installed with the program.
#include "app/Help.h"
#include "tests/support/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct HelpCase {
    const char *name;
    QStringList present; // files under an install prefix: bin/ holds the program
    QString opened;      // relative to the prefix, empty for none
};

const HelpCase helpCases[] = {
    {"HelpFileBesideTheProgram", {"bin/GestIB.chm", "work/GestIB.chm", "share/transtarquoib/manual/index.html"},
     "bin/GestIB.chm"},
    {"HelpFileInTheWorkingFolder", {"work/GestIB.chm", "share/transtarquoib/manual/index.html"}, "work/GestIB.chm"},
    {"InstalledManual", {"share/transtarquoib/manual/index.html"}, "share/transtarquoib/manual/index.html"},
    {"Nothing", {}, ""},
    {"ManualOfAnotherProgram", {"share/otro/manual/index.html", "share/doc/transtarquoib/GestIB.chm"}, ""},
};

class Help : public testing::TestWithParam<HelpCase> {};

TEST_P(Help, OpensTheFirstFound)
{
    const HelpCase &c = GetParam();
    QTemporaryDir prefix;
    QDir root(prefix.path());
    root.mkpath(QStringLiteral("bin"));
    root.mkpath(QStringLiteral("work"));
    for (const QString &file : c.present) {
        root.mkpath(QFileInfo(root.filePath(file)).path());
        QFile created(root.filePath(file));
        ASSERT_TRUE(created.open(QIODevice::WriteOnly));
    }

    const QString found = findHelp(root.filePath(QStringLiteral("bin")), root.filePath(QStringLiteral("work")));

    EXPECT_EQ(found, c.opened.isEmpty() ? QString() : root.filePath(c.opened));
}

INSTANTIATE_TEST_SUITE_P(Places, Help, testing::ValuesIn(helpCases),
                         [](const testing::TestParamInfo<HelpCase> &info) { return std::string(info.param.name); });

} // namespace

// Our HTML manual opens at the section asked for; the compiled help file,
// which has no portable way to open a topic, and a request without a section
// open at the start.
TEST(HelpUrl, OpensTheManualAtTheSection)
{
    const struct {
        QString file;
        QString section;
        QString fragment;
    } cases[] = {
        {"/usr/share/transtarquoib/manual/index.html", "cursos", "cursos"},
        {"/usr/share/transtarquoib/manual/INDEX.HTML", "cursos", "cursos"},
        {"/usr/share/transtarquoib/manual/index.html", "", ""},
        {"/opt/velarix/GestIB.chm", "cursos", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        const QUrl url = helpUrl(c.file, c.section);
        EXPECT_EQ(url.toLocalFile(), c.file);
        EXPECT_EQ(url.fragment(), c.fragment);
        EXPECT_EQ(url.hasFragment(), !c.fragment.isEmpty());
    }
}
