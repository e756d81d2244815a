// Why a file could not be read or written, in our own Spanish words whatever
// the machine's locales, for every writer and reader of whole files.
#include "platform/SystemReason.h"
#include "platform/WholeFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/QStringPrinter.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <functional>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A path that no file can be read from or written to, and why.
struct ReasonCase {
    const char *name;
    std::function<QString(const QTemporaryDir &)> prepare; // returns the path to use
    const char *reason;
};

void PrintTo(const ReasonCase &c, std::ostream *os) { *os << c.name; }

const QByteArray older = "older bytes";

const ReasonCase kPathCases[] = {
    {"folder_missing", [](const QTemporaryDir &d) { return d.filePath(QStringLiteral("missing/a.xml")); },
     "no existe el archivo o la carpeta"},
    {"target_is_a_folder",
     [](const QTemporaryDir &d) {
         QDir().mkpath(d.filePath(QStringLiteral("a.xml")));
         return d.filePath(QStringLiteral("a.xml"));
     },
     "es una carpeta, no un archivo"},
    {"part_of_the_path_is_a_file",
     [](const QTemporaryDir &d) {
         writeFileBytes(d.filePath(QStringLiteral("file")), older);
         return d.filePath(QStringLiteral("file/a.xml"));
     },
     "una parte de la ruta no es una carpeta"},
    {"name_too_long", [](const QTemporaryDir &d) { return d.filePath(QString(300, u'n')); },
     "la ruta del archivo es demasiado larga"},
};

class WholeFileWrite : public testing::TestWithParam<ReasonCase> {};

class WholeFileRead : public testing::TestWithParam<ReasonCase> {};

} // namespace

TEST_P(WholeFileWrite, GivesTheReasonInSpanish)
{
    QTemporaryDir dir;
    const QString path = GetParam().prepare(dir);
    EXPECT_EQ(writeWholeFile(path, "new bytes"), QString::fromUtf8(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(Cases, WholeFileWrite, testing::ValuesIn(kPathCases),
                         [](const testing::TestParamInfo<ReasonCase> &info) { return std::string(info.param.name); });

TEST_P(WholeFileRead, GivesTheReasonInSpanish)
{
    QTemporaryDir dir;
    QByteArray bytes = "untouched";
    EXPECT_EQ(readWholeFile(GetParam().prepare(dir), bytes), QString::fromUtf8(GetParam().reason));
    EXPECT_EQ(bytes, QByteArray("untouched"));
}

INSTANTIATE_TEST_SUITE_P(Cases, WholeFileRead, testing::ValuesIn(kPathCases),
                         [](const testing::TestParamInfo<ReasonCase> &info) { return std::string(info.param.name); });

// A write stopped midway (a file size limit, as a full disk stops it) keeps
// the system's reason, and the older file whole.
TEST(WholeFileWriteCutShort, KeepsTheReasonAndTheOlderFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xml"));
    writeFileBytes(path, older);
    std::optional<QString> reason;
    {
        const FileSizeLimit limit(64);
        reason = writeWholeFile(path, QByteArray(4096, 'x'));
    }
    EXPECT_EQ(reason, QStringLiteral("el archivo supera el tamaño máximo permitido"));
    EXPECT_EQ(readFileBytes(path), older);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.xml")});
}

TEST(WholeFileWrite, ReplacesTheFileAndKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xml"));
    writeFileBytes(path, older);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    EXPECT_EQ(writeWholeFile(path, "new bytes"), std::nullopt);
    EXPECT_EQ(readFileBytes(path), QByteArray("new bytes"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// Our words for the system's reasons, in any locale; only an unknown value
// shows the system's own text, after ours.
TEST(SystemReason, SpanishWordsForTheCommonReasons)
{
    std::setlocale(LC_ALL, "C");
    const struct {
        int error;
        const char *reason;
    } cases[] = {
        {ENOENT, "no existe el archivo o la carpeta"},
        {EACCES, "no hay permiso para acceder al archivo o a su carpeta"},
        {EPERM, "no hay permiso para acceder al archivo o a su carpeta"},
        {EISDIR, "es una carpeta, no un archivo"},
        {ENOSPC, "el disco está lleno"},
        {EFBIG, "el archivo supera el tamaño máximo permitido"},
        {EROFS, "el disco es de solo lectura"},
        {EBUSY, "el archivo está en uso por otro programa"},
        {ETXTBSY, "el archivo está en uso por otro programa"},
        {EAGAIN, "el archivo está en uso por otro programa"},
        {ENAMETOOLONG, "la ruta del archivo es demasiado larga"},
        {EIO, "error de lectura o escritura en el disco"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(systemReason(c.error), QString::fromUtf8(c.reason)) << c.error;
    EXPECT_EQ(systemReason(EPIPE), QStringLiteral("error del sistema %1 (%2)").arg(EPIPE).arg(QString::fromLocal8Bit(std::strerror(EPIPE))));
}

// A file its owner made read-only stays as it is (permissions do not stop root).
TEST(WholeFileWrite, LeavesAReadOnlyFileAlone)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xml"));
    writeFileBytes(path, older);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    EXPECT_EQ(writeWholeFile(path, "new bytes"), QStringLiteral("no hay permiso para acceder al archivo o a su carpeta"));
    EXPECT_EQ(readFileBytes(path), older);
}
