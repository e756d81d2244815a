#include "export/TimetableExport.h"

#include "app/MainFormState.h"
#include "app/UserInteraction.h"

void BImportarClick(MainFormState &, UserInteraction &)
{
}
