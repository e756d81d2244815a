#include "platform/Dbf.h"
#include "platform/FieldDef.h"
#include "platform/WinPath.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TempWinePrefix.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

struct MappingCase {
    const char *existing; // a file below drive_c, or nullptr
    const char *windowsPath;
    const char *expected; // below drive_c
};

const MappingCase kMappings[] = {
    {"VTEMP/ASIGNOMT.DBF", "C:\\VTEMP\\ASIGNOMT.DBF", "VTEMP/ASIGNOMT.DBF"},
    {"vtemp/asignomt.dbf", "C:\\VTEMP\\ASIGNOMT.DBF", "vtemp/asignomt.dbf"},
    {"VTemp/AsigNomT.Dbf", "\\vtemp\\ASIGNOMT.DBF", "VTemp/AsigNomT.Dbf"},
    {"vtemp/ASIGNOMT.DBF", "c:/VTEMP/asignomt.dbf", "vtemp/ASIGNOMT.DBF"},
    {"vtemp/saga/x.xml", "c:\\vtemp\\SAGA", "vtemp/saga"},
    {nullptr, "C:\\VTEMP\\ASIGNOMT.DBF", "VTEMP/ASIGNOMT.DBF"},
    {"vtemp/other.dbf", "\\VTEMP\\NEW\\MATIB.MDX", "vtemp/NEW/MATIB.MDX"},
    {nullptr, "C:\\", ""},
};

} // namespace

// Existing files are found whatever their letter case; missing parts keep the case written.
TEST(WinPath, MapsDriveCBelowTheWinePrefix)
{
    for (const MappingCase &c : kMappings) {
        TempWinePrefix wine(TempWinePrefix::WorkingFolder::Absent);
        if (c.existing)
            touch(wine.driveC() + QLatin1Char('/') + QString::fromLatin1(c.existing));
        const QString expected = QDir::cleanPath(wine.driveC() + QLatin1Char('/') + QString::fromLatin1(c.expected));
        EXPECT_EQ(QDir::cleanPath(winpath::toLocal(QString::fromLatin1(c.windowsPath))), expected) << c.windowsPath;
    }
}

// Where several names differ only in letter case, the first in name order is
// the file, whatever order the folder lists them in.
TEST(WinPath, OfSeveralCaseVariantsTheFirstInNameOrderIsFound)
{
    TempWinePrefix wine(TempWinePrefix::WorkingFolder::Absent);
    for (const char *name : {"vtemp/asignomt.dbf", "vtemp/AsigNomt.dbf", "vtemp/Asignomt.dbf", "VTemp/other.dbf"})
        touch(wine.driveC() + QLatin1Char('/') + QString::fromLatin1(name));
    const auto local = [&](const char *windowsPath) { return winpath::toLocal(QString::fromLatin1(windowsPath)); };
    const QString driveC = wine.driveC();
    EXPECT_EQ(local("C:\\VTEMP\\ASIGNOMT.DBF"), driveC + QStringLiteral("/VTemp/ASIGNOMT.DBF"));
    EXPECT_EQ(local("C:\\vtemp\\ASIGNOMT.DBF"), driveC + QStringLiteral("/vtemp/AsigNomt.dbf"));
    EXPECT_EQ(local("C:\\vtemp\\asignomt.DBF"), driveC + QStringLiteral("/vtemp/AsigNomt.dbf"));
    EXPECT_EQ(local("C:\\vtemp\\asignomt.dbf"), driveC + QStringLiteral("/vtemp/asignomt.dbf"));
}

namespace {

// The prefix's dosdevices/ as Wine lays it out, with one drive the user added.
enum class Drives {
    None,     // a prefix Wine has not set up: no dosdevices/
    Standard, // c: -> ../drive_c, z: -> /, d: -> a data folder
    CMoved,   // c: -> the data folder, as a user may point it elsewhere
};

struct DriveCase {
    const char *name;
    Drives drives;
    const char *windowsPath;
    const char *expected; // $PREFIX and $DATA stand for the prefix and the data folder
};

const DriveCase kDriveCases[] = {
    {"DriveCThroughItsLink", Drives::Standard, "C:\\VTEMP\\X.DBF", "$PREFIX/drive_c/VTEMP/X.DBF"},
    {"LowerCaseDriveAndFolder", Drives::Standard, "c:\\vtemp", "$PREFIX/drive_c/VTEMP"},
    {"DriveZIsTheRoot", Drives::Standard, "Z:\\TMP\\a.xml", "/tmp/a.xml"},
    {"AddedDriveRoot", Drives::Standard, "D:\\", "$DATA"},
    {"AddedDriveFindsTheCase", Drives::Standard, "d:\\HORARIOS\\Centre.XML", "$DATA/Horarios/centre.xml"},
    {"LetterWithoutLink", Drives::Standard, "E:\\centre.xml", "$PREFIX/dosdevices/e:/centre.xml"},
    {"DriveCMovedByTheUser", Drives::CMoved, "C:\\HORARIOS", "$DATA/Horarios"},
    {"NoDosdevicesDriveC", Drives::None, "C:\\VTEMP\\X.DBF", "$PREFIX/drive_c/VTEMP/X.DBF"},
    {"NoDosdevicesOtherDrive", Drives::None, "Z:\\tmp\\a.xml", "$PREFIX/dosdevices/z:/tmp/a.xml"},
};

void PrintTo(const DriveCase &c, std::ostream *os) { *os << c.name; }

} // namespace

class WinPathDrives : public testing::TestWithParam<DriveCase> {};

// Each drive letter is the folder its dosdevices link points to; C: falls back to drive_c.
TEST_P(WinPathDrives, MapsTheDriveAsWineDoes)
{
    const DriveCase &c = GetParam();
    TempWinePrefix wine(TempWinePrefix::WorkingFolder::Absent);
    QTemporaryDir data;
    touch(wine.driveC() + QStringLiteral("/VTEMP/X.DBF"));
    touch(data.path() + QStringLiteral("/Horarios/centre.xml"));
    const QString devices = wine.prefix() + QStringLiteral("/dosdevices");
    if (c.drives != Drives::None) {
        QDir().mkpath(devices);
        const bool cMoved = c.drives == Drives::CMoved;
        ASSERT_TRUE(QFile::link(cMoved ? data.path() : QStringLiteral("../drive_c"), devices + QStringLiteral("/c:")));
        ASSERT_TRUE(QFile::link(QStringLiteral("/"), devices + QStringLiteral("/z:")));
        ASSERT_TRUE(QFile::link(data.path(), devices + QStringLiteral("/d:")));
    }
    QString expected = QString::fromLatin1(c.expected);
    expected.replace(QStringLiteral("$PREFIX"), wine.prefix()).replace(QStringLiteral("$DATA"), data.path());
    EXPECT_EQ(QDir::cleanPath(winpath::toLocal(QString::fromLatin1(c.windowsPath))), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, WinPathDrives, testing::ValuesIn(kDriveCases),
                         [](const testing::TestParamInfo<DriveCase> &info) { return info.param.name; });

namespace {

struct ReverseCase {
    const char *name;
    Drives drives;
    const char *local;    // $PREFIX and $DATA stand for the prefix and the data folder
    const char *expected; // the same, '/' standing for '\\'
};

const ReverseCase kReverseCases[] = {
    {"WorkingFolderTable", Drives::Standard, "$PREFIX/drive_c/VTEMP/X.DBF", "C:/VTEMP/X.DBF"},
    {"DriveCItself", Drives::Standard, "$PREFIX/drive_c", "C:/"},
    {"FileNotYetThere", Drives::Standard, "$PREFIX/drive_c/VTEMP/NEW/SOLUC.DBF", "C:/VTEMP/NEW/SOLUC.DBF"},
    {"NamesAsWritten", Drives::Standard, "$PREFIX/drive_c/VTEMP/../VTEMP/./X.DBF", "C:/VTEMP/X.DBF"},
    {"AddedDrive", Drives::Standard, "$DATA/Horarios/centre.xml", "D:/Horarios/centre.xml"},
    {"ElsewhereIsOnZ", Drives::Standard, "$PREFIX/other/centre.xml", "Z:$PREFIX/other/centre.xml"},
    {"DriveCMovedByTheUser", Drives::CMoved, "$DATA/Horarios", "C:/Horarios"},
    {"DriveCFolderNoLongerC", Drives::CMoved, "$PREFIX/drive_c/VTEMP/X.DBF", "Z:$PREFIX/drive_c/VTEMP/X.DBF"},
    {"NoDosdevicesDriveC", Drives::None, "$PREFIX/drive_c/VTEMP/X.DBF", "C:/VTEMP/X.DBF"},
    {"NoDosdevicesElsewhere", Drives::None, "$DATA/Horarios/centre.xml", "Z:$DATA/Horarios/centre.xml"},
};

void PrintTo(const ReverseCase &c, std::ostream *os) { *os << c.name; }

} // namespace

class WinPathReverse : public testing::TestWithParam<ReverseCase> {};

// A local path becomes the path a Windows program under Wine uses for it, and
// that path leads back to the same file.
TEST_P(WinPathReverse, NamesTheFileAsWindowsProgramsDo)
{
    const ReverseCase &c = GetParam();
    TempWinePrefix wine(TempWinePrefix::WorkingFolder::Absent);
    QTemporaryDir data;
    touch(wine.driveC() + QStringLiteral("/VTEMP/X.DBF"));
    touch(data.path() + QStringLiteral("/Horarios/centre.xml"));
    if (c.drives != Drives::None) {
        const QString devices = wine.prefix() + QStringLiteral("/dosdevices");
        QDir().mkpath(devices);
        const bool cMoved = c.drives == Drives::CMoved;
        ASSERT_TRUE(QFile::link(cMoved ? data.path() : QStringLiteral("../drive_c"), devices + QStringLiteral("/c:")));
        ASSERT_TRUE(QFile::link(QStringLiteral("/"), devices + QStringLiteral("/z:")));
        ASSERT_TRUE(QFile::link(data.path(), devices + QStringLiteral("/d:")));
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), devices + QStringLiteral("/com1")));
    }
    const auto expand = [&](const char *text) {
        return QString::fromLatin1(text).replace(QStringLiteral("$PREFIX"), wine.prefix()).replace(QStringLiteral("$DATA"), data.path());
    };
    const QString local = expand(c.local);
    const QString windows = winpath::toWindows(local);
    EXPECT_EQ(windows, expand(c.expected).replace(u'/', u'\\'));
    // A prefix Wine has not set up has no drive Z: to lead back through.
    if (c.drives != Drives::None || windows.startsWith(u'C')) {
        EXPECT_EQ(QDir::cleanPath(winpath::toLocal(windows)), QDir::cleanPath(local));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WinPathReverse, testing::ValuesIn(kReverseCases),
                         [](const testing::TestParamInfo<ReverseCase> &info) { return info.param.name; });

// A folder reached through a link of its own is still on the drive it lies on.
TEST(WinPath, ReverseMappingSeesThroughLinks)
{
    TempWinePrefix wine(TempWinePrefix::WorkingFolder::Absent);
    QTemporaryDir elsewhere;
    touch(wine.vtempFile(QStringLiteral("SOLUC.DBF")));
    const QString link = elsewhere.filePath(QStringLiteral("trabajo"));
    ASSERT_TRUE(QFile::link(wine.vtemp(), link));
    EXPECT_EQ(winpath::toWindows(link + QStringLiteral("/SOLUC.DBF")), QStringLiteral("C:\\VTEMP\\SOLUC.DBF"));
}

TEST(WinPath, FileInFolderFindsTheTableOfAComponent)
{
    TempWinePrefix wine(TempWinePrefix::WorkingFolder::Absent);
    touch(wine.driveC() + QStringLiteral("/vTemp/cursost.dbf"));
    EXPECT_EQ(winpath::fileInFolder(QStringLiteral("\\VTEMP"), QStringLiteral("CURSOST.DBF")),
              wine.driveC() + QStringLiteral("/vTemp/cursost.dbf"));
    EXPECT_EQ(winpath::fileInFolder(QStringLiteral("C:\\VTEMP"), QStringLiteral("CURSOST2.DBF")),
              wine.driveC() + QStringLiteral("/vTemp/CURSOST2.DBF"));
}

TEST(WinPath, OtherPathsStayAsTheyAre)
{
    TempWinePrefix wine(TempWinePrefix::WorkingFolder::Absent);
    for (const char *path : {"/tmp/ASIGNOMT.DBF", "relative/file.xml", "file.xml", "\\\\server\\share\\x.dbf"})
        EXPECT_EQ(winpath::toLocal(QString::fromLatin1(path)), QString::fromLatin1(path));
}

TEST(WinPath, WithoutWinePrefixDriveCIsInTheHomeFolder)
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    TempWinePrefix wine; // restores WINEPREFIX afterwards
    qunsetenv("WINEPREFIX");
    qputenv("HOME", home.path().toLocal8Bit());
    const QString mapped = winpath::toLocal(QStringLiteral("C:\\VTEMP\\SOLUC.DBF"));
    qputenv("HOME", oldHome);
    EXPECT_EQ(mapped, home.path() + QStringLiteral("/.wine/drive_c/VTEMP/SOLUC.DBF"));
}

// A link counts by its target; folders are not files; a deleted file is gone.
TEST(WinPath, FileExistsAndDelete)
{
    TempWinePrefix wine(TempWinePrefix::WorkingFolder::Absent);
    touch(wine.vtempFile(QStringLiteral("doc.xml")));
    QFile::link(wine.vtempFile(QStringLiteral("doc.xml")), wine.vtempFile(QStringLiteral("link.xml")));
    QFile::link(wine.vtempFile(QStringLiteral("none.xml")), wine.vtempFile(QStringLiteral("dangling.xml")));
    EXPECT_TRUE(winpath::fileExists(QStringLiteral("C:\\VTEMP\\DOC.XML")));
    EXPECT_TRUE(winpath::fileExists(QStringLiteral("\\vtemp\\link.xml")));
    EXPECT_FALSE(winpath::fileExists(QStringLiteral("C:\\VTEMP\\dangling.xml")));
    EXPECT_FALSE(winpath::fileExists(QStringLiteral("C:\\VTEMP")));
    EXPECT_FALSE(winpath::fileExists(QStringLiteral("C:\\VTEMP\\none.xml")));
    EXPECT_TRUE(winpath::fileExists(wine.vtempFile(QStringLiteral("doc.xml"))));

    EXPECT_TRUE(winpath::deleteFile(QStringLiteral("C:\\VTEMP\\Doc.Xml")));
    EXPECT_FALSE(QFile::exists(wine.vtempFile(QStringLiteral("doc.xml"))));
    EXPECT_TRUE(winpath::deleteFile(QStringLiteral("C:\\VTEMP\\none.xml")));
}

// Creating a table creates a missing working folder; the table keeps the case written.
TEST(WinPath, CreatingATableCreatesTheWorkingFolder)
{
    TempWinePrefix wine(TempWinePrefix::WorkingFolder::Absent);
    dbf::Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("PROFT.DBF"), true);
    table.fieldDefs() = {{QStringLiteral("ABREV"), dbf::FieldType::String, 10}};
    table.createTable();
    EXPECT_TRUE(QFileInfo(wine.driveC() + QStringLiteral("/VTEMP/PROFT.DBF")).isFile());
    EXPECT_EQ(table.localPath(), wine.driveC() + QStringLiteral("/VTEMP/PROFT.DBF"));
}

// Every name of the working folder leads to the moved one; other folders,
// and the same name on another drive, stay where they are.
TEST(WinPath, AMovedWorkingFolderTakesEveryNameOfIt)
{
    TempWinePrefix wine(TempWinePrefix::WorkingFolder::Absent);
    QTemporaryDir moved;
    touch(moved.filePath(QStringLiteral("cursost2.dbf")));
    struct Case {
        const char *windowsPath;
        QString expected;
    };
    const Case cases[] = {
        {"C:\\VTEMP\\CURSOST2.DBF", moved.filePath(QStringLiteral("cursost2.dbf"))},
        {"c:/vtemp/NEW.DBF", moved.filePath(QStringLiteral("NEW.DBF"))},
        {"\\vtemp", moved.path()},
        {"\\VTEMP\\saga\\x.xml", moved.filePath(QStringLiteral("saga/x.xml"))},
        {"C:\\VTEMPS\\A.DBF", wine.driveC() + QStringLiteral("/VTEMPS/A.DBF")},
        {"C:\\OTRA\\VTEMP", wine.driveC() + QStringLiteral("/OTRA/VTEMP")},
    };
    const winpath::WorkingFolder movedFolder(moved.path());
    for (const Case &c : cases)
        EXPECT_EQ(QDir::cleanPath(movedFolder.toLocal(QString::fromLatin1(c.windowsPath))), QDir::cleanPath(c.expected))
            << c.windowsPath;
    EXPECT_EQ(QDir::cleanPath(movedFolder.fileInFolder(QStringLiteral("\\vtemp"), QStringLiteral("CURSOST2.DBF"))),
              QDir::cleanPath(moved.filePath(QStringLiteral("cursost2.dbf"))));
    EXPECT_EQ(movedFolder.local(), moved.path());

    // The usual working folder, and every path outside a run, keep drive C:'s.
    const winpath::WorkingFolder usual;
    EXPECT_EQ(usual.toLocal(QStringLiteral("C:\\VTEMP\\A.DBF")), wine.driveC() + QStringLiteral("/VTEMP/A.DBF"));
    EXPECT_EQ(usual.local(), wine.driveC() + QStringLiteral("/VTEMP"));
    EXPECT_EQ(winpath::toLocal(QStringLiteral("C:\\VTEMP\\A.DBF")), wine.driveC() + QStringLiteral("/VTEMP/A.DBF"));
}
