// Where F1 and "F1 AYUDA" find the help: the help file beside the program or
// in the working folder, else our own manual installed with the program.
#include "app/Help.h"
#include "app/SystemViewer.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/ScriptedInteraction.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

// The level and course dialog's section opens through its own page beside the
// manual, which leads on to the section: some browsers drop the fragment of
// a file address.
TEST(HelpUrl, OpensTheSectionsOwnPageWhereThereIsOne)
{
    QTemporaryDir manual;
    for (const char *page : {"index.html", "cursos.html"}) {
        QFile created(QDir(manual.path()).filePath(QString::fromLatin1(page)));
        ASSERT_TRUE(created.open(QIODevice::WriteOnly));
    }
    const QString index = QDir(manual.path()).filePath(QStringLiteral("index.html"));

    EXPECT_EQ(helpUrl(index, QStringLiteral("cursos")),
              QUrl::fromLocalFile(QDir(manual.path()).filePath(QStringLiteral("cursos.html"))));
    EXPECT_EQ(helpUrl(index, QString()), QUrl::fromLocalFile(index));
    QUrl other = QUrl::fromLocalFile(index);
    other.setFragment(QStringLiteral("ayuda"));
    EXPECT_EQ(helpUrl(index, QStringLiteral("ayuda")), other) << "a section without a page of its own";
}

namespace {
// A folder with an xdg-open of our own first on PATH, answering `exitCode`
// and leaving the address it was given in a file.
class XdgOpenDouble {
public:
    explicit XdgOpenDouble(int exitCode)
        : m_path(qgetenv("PATH"))
    {
        const QString script = m_folder.filePath(QStringLiteral("xdg-open"));
        QFile file(script);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\n"
                                  "[ %2 -eq 0 ] || echo 'xdg-open: no method available for opening' \"$1\" >&2\n"
                                  "exit %2\n")
                       .arg(calledFile())
                       .arg(exitCode)
                       .toUtf8());
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        qputenv("PATH", m_folder.path().toUtf8() + ':' + m_path);
        SystemViewer::install();
    }
    ~XdgOpenDouble()
    {
        SystemViewer::uninstall();
        qputenv("PATH", m_path);
    }
    QString calledFile() const { return m_folder.filePath(QStringLiteral("called")); }

private:
    QTemporaryDir m_folder;
    QByteArray m_path;
};
} // namespace

// Qt hands a file to xdg-open without learning whether it found a program;
// the help waits for its answer and says so when there is no viewer, as the
// manual tells.
TEST(HelpViewer, SaysWhenXdgOpenFindsNoProgram)
{
    qtTestApp();
    const struct {
        const char *name;
        int exitCode;
        bool told;
    } cases[] = {{"no program", 3, true}, {"a browser", 0, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir work;
        const QString chm = QDir(work.path()).filePath(QStringLiteral("GestIB.chm"));
        QFile(chm).open(QIODevice::WriteOnly);
        const QString before = QDir::currentPath();
        QDir::setCurrent(work.path());
        XdgOpenDouble xdgOpen(c.exitCode);
        ScriptedInteraction user;

        showHelp(user);

        QDir::setCurrent(before);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(xdgOpen.calledFile()); }, 5000));
        const QStringList told{QStringLiteral("No hay ningún visor para el archivo de ayuda %1").arg(chm)};
        if (c.told) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !user.messages().isEmpty(); }, 5000));
            EXPECT_EQ(user.messages(), told);
        } else {
            QTest::qWait(300);
            EXPECT_EQ(user.messages(), QStringList());
        }
    }
}
