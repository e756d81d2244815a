// The centre import run on an arbitrary document, the user scripted: every
// level and course filled in, every question closed. A document the run cannot
// use may end it with an error the user reads (an Error), never anything worse.
#include "run/MainFormState.h"
#include "import/CentreImport.h"
#include "platform/Error.h"
#include "tests/fuzz/FuzzWorkspace.h"
#include "tests/support/ScriptedInteraction.h"

#include <cstddef>
#include <cstdint>

using namespace centre_import;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzWorkspace &workspace = FuzzWorkspace::instance();
    const QString centre = workspace.file(QStringLiteral("centre.xml"));
    FuzzWorkspace::write(centre, data, size);
    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices = {centre};
    try {
        BExportarClick(form, ui);
    } catch (const Error &) {
    }
    return 0;
}
