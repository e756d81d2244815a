#pragma once

#include "run/Backups.h"

#include <QJsonObject>
#include <QString>

// How copias, restaurar and comparar name the backups of replaced working
// tables, those of the working folder each function is given.

// A backup for --json: its name, path, centre, school year, document and rows by table.
QJsonObject backupJson(const backups::Backup &backup);

// "C:\VTEMP\Copias" as the user's programs name it.
QString shownBackupsFolder(const winpath::WorkingFolder &workingFolder);

// "No hay copias de tablas sustituidas en C:\VTEMP\Copias".
QString noBackupsText(const winpath::WorkingFolder &workingFolder);

// No whole backup has this name.
QString noSuchBackupText(const winpath::WorkingFolder &workingFolder, const QString &name);
