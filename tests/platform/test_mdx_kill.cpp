// MATIB and its index agree whenever the program dies. A child process
// creates MATIB and appends rows and is killed at several points: the table
// then either announces no production index (header byte 28 is 0) or has one
// that holds exactly its rows.
#include "platform/Dbf.h"
#include "platform/FieldDef.h"
#include "tests/support/MdxReader.h"
#include "tests/support/TempWinePrefix.h"

#include <QFile>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kRows = 150; // more than one leaf of the index

QString codeOfRow(int row) { return QStringLiteral("C%1").arg((row * 37) % 101, 3, 10, QLatin1Char('0')); }

// Reports each point it reaches (after the create, after each post, after the
// close) by one byte on `progress`; when paced, waits there for one byte on
// `proceed` before going on.
[[noreturn]] void appendInChild(int progress, int proceed, bool paced)
{
    const auto reached = [&] {
        const char c = 1;
        (void)!write(progress, &c, 1);
        char go;
        if (paced && read(proceed, &go, 1) != 1)
            _exit(0);
    };
    try {
        dbf::Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("MATIB.DBF"), true);
        table.fieldDefs() = {{QStringLiteral("ABREV"), dbf::FieldType::String, 10},
                             {QStringLiteral("NOMBRE"), dbf::FieldType::String, 80}};
        table.indexDefs() = {{QStringLiteral("ABREV"), QStringLiteral("ABREV")}};
        table.createTable();
        reached();
        table.open();
        for (int row = 0; row < kRows; ++row) {
            table.append();
            table.setString(QStringLiteral("ABREV"), codeOfRow(row));
            table.post();
            reached();
        }
        table.close();
        reached();
    } catch (...) {
        _exit(2);
    }
    _exit(0);
}

quint32 le(const QByteArray &bytes, int at, int size)
{
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | quint8(bytes[at + i]);
    return v;
}

// What the files left by the killed child hold.
void expectNoFlagOrAWholeIndex(const TempWinePrefix &wine, const std::string &where)
{
    SCOPED_TRACE(where);
    QFile table(wine.vtempFile(QStringLiteral("MATIB.DBF")));
    if (!table.open(QIODevice::ReadOnly))
        return; // killed before the table existed
    const QByteArray bytes = table.readAll();
    if (bytes.size() < 32 || bytes[28] != 0x01)
        return;
    const int headerLength = int(le(bytes, 8, 2));
    const int recordLength = int(le(bytes, 10, 2));
    const quint32 count = std::min<quint32>(le(bytes, 4, 4), quint32((bytes.size() - headerLength) / recordLength));
    std::vector<std::string> keys;
    for (quint32 i = 0; i < count; ++i)
        keys.push_back(bytes.mid(headerLength + qsizetype(i) * recordLength + 1, 10).toStdString());
    try {
        const MdxReader index(wine.vtempFile(QStringLiteral("MATIB.MDX")).toStdString());
        EXPECT_EQ(index.readTag("ABREV").entries, expectedMdxEntries(keys)) << "the index does not match the rows";
    } catch (const std::exception &e) {
        ADD_FAILURE() << "the table announces an index that is not whole: " << e.what();
    }
}

int killedChildStatus(pid_t child)
{
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

} // namespace

// Killed when it has just reached a point: after the create, after the first
// post, midway, after the last post (before the close), after the close.
TEST(MatibKilled, AtEachPointLeavesNoFlagOrAWholeIndex)
{
    for (const int point : {0, 1, kRows / 2, kRows, kRows + 1}) {
        TempWinePrefix wine;
        int progress[2], proceed[2];
        ASSERT_EQ(pipe(progress), 0);
        ASSERT_EQ(pipe(proceed), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(progress[0]);
            close(proceed[1]);
            appendInChild(progress[1], proceed[0], true);
        }
        close(progress[1]);
        close(proceed[0]);
        bool reached = true;
        for (int i = 0; i <= point && reached; ++i) {
            char c;
            reached = read(progress[0], &c, 1) == 1;
            if (i < point)
                (void)!write(proceed[1], &c, 1);
        }
        const int status = killedChildStatus(child);
        close(progress[0]);
        close(proceed[1]);
        ASSERT_TRUE(reached) << "the child stopped before point " << point << ", status " << status;
        expectNoFlagOrAWholeIndex(wine, "point " + std::to_string(point));
    }
}

// Killed at moments that fall anywhere, the close included.
TEST(MatibKilled, AtAnyMomentLeavesNoFlagOrAWholeIndex)
{
    for (const int delayMicros : {0, 300, 1000, 3000, 6000, 10000, 20000, 40000}) {
        TempWinePrefix wine;
        int progress[2];
        ASSERT_EQ(pipe(progress), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(progress[0]);
            appendInChild(progress[1], -1, false);
        }
        close(progress[1]);
        char c;
        (void)!read(progress[0], &c, 1); // the table exists
        usleep(useconds_t(delayMicros));
        killedChildStatus(child);
        close(progress[0]);
        expectNoFlagOrAWholeIndex(wine, "after " + std::to_string(delayMicros) + " us");
    }
}
