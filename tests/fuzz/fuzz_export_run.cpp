// The timetable export run on an arbitrary SOLUC.DBF, with look-up tables of
// our own beside it. A SOLUC the run cannot use may end it with an error the
// user reads, never anything worse.
#include "run/MainFormState.h"
#include "export/TimetableExport.h"
#include "tests/export/SolucFixture.h"
#include "platform/Error.h"
#include "tests/fuzz/FuzzWorkspace.h"
#include "tests/support/ScriptedInteraction.h"

#include <cstddef>
#include <cstdint>

using namespace timetable_export;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzWorkspace::instance();
    solucfixture::writeLookupTables(solucfixture::smallSchool());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzWorkspace &workspace = FuzzWorkspace::instance();
    FuzzWorkspace::write(workspace.vtemp() + QStringLiteral("/SOLUC.DBF"), data, size);
    const QString chosen = workspace.vtemp() + QStringLiteral("/horari.xml");
    FuzzWorkspace::write(chosen, nullptr, 0);
    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices.push_back(chosen);
    try {
        BImportarClick(form, ui);
    } catch (const Error &) {
    }
    return 0;
}
