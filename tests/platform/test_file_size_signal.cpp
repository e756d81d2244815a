#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/FieldDef.h"
#include "platform/FileSizeSignal.h"
#include "tests/support/TempWinePrefix.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// A table written past the file-size limit: the program goes on, and the
// write fails with the table layer's error naming the table and the cause,
// instead of the process being killed by SIGXFSZ mid-table. Run in a child
// process, since the limit and the signal's handling belong to the process.
TEST(FileSizeSignal, AWritePastTheLimitFailsWithTheTableError)
{
    TempWinePrefix wine;
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        ignoreFileSizeSignal();
        const rlimit limit{8192, 8192};
        setrlimit(RLIMIT_FSIZE, &limit);
        int code = 1; // no error at all
        try {
            dbf::Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("BIG.DBF"), true);
            table.fieldDefs() = {{QStringLiteral("TEXTO"), dbf::FieldType::String, 200}};
            table.createTable();
            table.open();
            for (int i = 0; i < 100; ++i) {
                table.append();
                table.setString(QStringLiteral("TEXTO"), QString(200, u'x'));
                table.post();
            }
            table.close();
        } catch (const dbf::DbfError &e) {
            const bool named = e.message().startsWith(QStringLiteral("No se puede escribir la tabla C:\\VTEMP\\BIG.DBF: "))
                && e.message().endsWith(QStringLiteral("el archivo supera el tamaño máximo permitido"));
            code = named ? 0 : 2;
        }
        _exit(code);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the write did not fail; 2: the error named neither table nor cause";
}
