#pragma once

#include "run/UserInteraction.h"
#include "run/WorkingFolder.h"
#include "platform/WinPath.h"

#include <QCoreApplication>

// The file dialog both runs open to choose the GestIB file. It does not
// require the typed file to exist: each run tests that itself.
inline UserInteraction::OpenFileDialog OpenDialogXML()
{
    return {QCoreApplication::translate("OpenDialogXML", "Seleccionar Archivo XML obtenido de GESTIB"),
            QStringLiteral("*.xml|*.xml"), QStringLiteral("xml"), winpath::toLocal(working_folder::gestibExports)};
}
