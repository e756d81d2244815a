// Writing one integer key of an INI file, keeping every other byte.
#include "platform/IniFile.h"

#include "tests/support/FailedWholeFileWrite.h"
#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <cctype>
#include <climits>
#include <functional>
#include <optional>

namespace {

struct IniCase {
    const char *name;
    std::optional<QByteArray> before; // no file when absent
    const char *section;
    const char *key;
    int value;
    QByteArray after;
};

const QByteArray velarixIni = "; Velarix settings\r\n"
                              "[General]\r\n"
                              "Ruta=C:\\VTEMP\r\n"
                              "\r\n"
                              "[Transformadores]\r\n"
                              "# last run\r\n"
                              "Transformado=0\r\n"
                              "Otro = 5\r\n"
                              "\r\n"
                              "[Final]\r\n"
                              "X=1\r\n";

const IniCase iniCases[] = {
    {"new file", std::nullopt, "Transformadores", "Transformado", 1, "[Transformadores]\r\nTransformado=1\r\n"},
    {"empty file", QByteArray(), "Transformadores", "Transformado", 0, "[Transformadores]\r\nTransformado=0\r\n"},
    {"existing key among other sections and comments", velarixIni, "Transformadores", "Transformado", 1,
     QByteArray(velarixIni).replace("Transformado=0", "Transformado=1")},
    {"negative value", velarixIni, "Transformadores", "Transformado", -1,
     QByteArray(velarixIni).replace("Transformado=0", "Transformado=-1")},
    {"smallest integer", "[Transformadores]\r\nTransformado=0\r\n", "Transformadores", "Transformado", INT_MIN,
     "[Transformadores]\r\nTransformado=-2147483648\r\n"},
    {"key and section in other letter case, with blanks", "[ transformadores ]\r\n  TRANSFORMADO = 0 \r\n",
     "Transformadores", "Transformado", 1, "[ transformadores ]\r\nTRANSFORMADO=1\r\n"},
    {"names given with blanks", "[Transformadores]\r\nTransformado=0\r\n", " Transformadores ", " Transformado\t", 1,
     "[Transformadores]\r\nTransformado=1\r\n"},
    {"section missing, LF file", "[General]\nA=1\n", "Transformadores", "Transformado", 1,
     "[General]\nA=1\n[Transformadores]\nTransformado=1\n"},
    {"section missing, last line without line end", "[General]\nA=1", "Transformadores", "Transformado", 1,
     "[General]\nA=1\n[Transformadores]\nTransformado=1\n"},
    {"section last without trailing newline", "[A]\r\nB=2\r\n[Transformadores]\r\nTransformado=0", "Transformadores",
     "Transformado", 1, "[A]\r\nB=2\r\n[Transformadores]\r\nTransformado=1"},
    {"key missing in a last section without trailing newline", "[Transformadores]\r\nOtro=2", "Transformadores",
     "Transformado", 1, "[Transformadores]\r\nOtro=2\r\nTransformado=1\r\n"},
    {"key missing: added after the section's last key", "[Transformadores]\r\nA=1\r\nB=2\r\n\r\n; next\r\n[C]\r\nD=3\r\n",
     "Transformadores", "Transformado", 1,
     "[Transformadores]\r\nA=1\r\nB=2\r\nTransformado=1\r\n\r\n; next\r\n[C]\r\nD=3\r\n"},
    {"key missing in a section without keys", "[Transformadores]\n; nothing yet\n[C]\nD=3\n", "Transformadores",
     "Transformado", 0, "[Transformadores]\nTransformado=0\n; nothing yet\n[C]\nD=3\n"},
    {"commented-out key is not the key", "[Transformadores]\n;Transformado=5\n#Transformado=6\n", "Transformadores",
     "Transformado", 1, "[Transformadores]\nTransformado=1\n;Transformado=5\n#Transformado=6\n"},
    {"same key in another section untouched", "[Otra]\nTransformado=7\n[Transformadores]\nTransformado=0\n",
     "Transformadores", "Transformado", 1, "[Otra]\nTransformado=7\n[Transformadores]\nTransformado=1\n"},
    {"longer key name is another key", "[Transformadores]\nTransformados=7\n", "Transformadores", "Transformado", 1,
     "[Transformadores]\nTransformados=7\nTransformado=1\n"},
    {"first of two equal sections", "[Transformadores]\nTransformado=0\n[Transformadores]\nTransformado=0\n",
     "Transformadores", "Transformado", 1, "[Transformadores]\nTransformado=1\n[Transformadores]\nTransformado=0\n"},
    {"mixed line ends each kept", "[A]\r\nB=1\n[Transformadores]\r\nTransformado=0\nX=1\r\n", "Transformadores",
     "Transformado", 1, "[A]\r\nB=1\n[Transformadores]\r\nTransformado=1\nX=1\r\n"},
    {"byte-order mark before the section", "\xEF\xBB\xBF[Transformadores]\r\nTransformado=0\r\n", "Transformadores",
     "Transformado", 1, "\xEF\xBB\xBF[Transformadores]\r\nTransformado=1\r\n"},
    {"value holding equals signs and bytes beyond ASCII", "[Transformadores]\nTransformado=a=b\nNom=Catal\xE0\n",
     "Transformadores", "Transformado", 1, "[Transformadores]\nTransformado=1\nNom=Catal\xE0\n"},
};

class IniWrite : public ::testing::TestWithParam<IniCase> {};

TEST_P(IniWrite, ChangesOnlyTheKey)
{
    const IniCase &c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velarix.ini"));
    if (c.before)
        writeFileBytes(path, *c.before);
    ini::writeInteger(path, QString::fromLatin1(c.section), QString::fromLatin1(c.key), c.value);
    EXPECT_EQ(readFileBytes(path), c.after);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Velarix.ini"}) << "no temporary file left";
}

INSTANTIATE_TEST_SUITE_P(Cases, IniWrite, ::testing::ValuesIn(iniCases),
                         [](const ::testing::TestParamInfo<IniCase> &info) {
                             std::string name;
                             for (const char *p = info.param.name; *p != '\0'; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(IniWrite, WritingTwiceKeepsTheLastValue)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velarix.ini"));
    ini::writeInteger(path, QStringLiteral("Transformadores"), QStringLiteral("Transformado"), 0);
    ini::writeInteger(path, QStringLiteral("Transformadores"), QStringLiteral("Transformado"), 1);
    EXPECT_EQ(readFileBytes(path), QByteArray("[Transformadores]\r\nTransformado=1\r\n"));
}

TEST(IniWrite, UnwritableFileIsAnErrorAndTheOldFileStays)
{
    expectFailedWritesKeepTheOldFile<ini::IniError>(
        QStringLiteral("Velarix.ini"), velarixIni.repeated(4),
        [](const QString &path) {
            ini::writeInteger(path, QStringLiteral("Transformadores"), QStringLiteral("Transformado"), 1);
        },
        [](const ini::IniError &e, const QString &path) {
            EXPECT_EQ(e.message(), QStringLiteral("No se puede escribir en %1").arg(QDir::toNativeSeparators(path)));
        });
}

TEST(IniWrite, ErrorNamesTheFullPath)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    try {
        ini::writeInteger(QStringLiteral("missing/Velarix.ini"), QStringLiteral("Transformadores"),
                          QStringLiteral("Transformado"), 1);
        ADD_FAILURE() << "no error";
    } catch (const ini::IniError &e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("No se puede escribir en %1").arg(QDir::toNativeSeparators(dir.filePath("missing/Velarix.ini"))));
    }
    QDir::setCurrent(previous);
}

} // namespace
