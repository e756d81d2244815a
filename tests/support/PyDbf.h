#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// Reads a dBase table with python3-dbf (run under Debian's /usr/bin/python3,
// where the package lives). Returns {"fields": [...], "codepage": ...,
// "records": [[...]], "deleted": [...]}; a reader error fails the calling test
// through an exception whose message is python's.
QJsonObject readWithPythonDbf(const QString &dbfPath);

// The records of a python3-dbf dump as rows of strings: character values as
// read, numbers in shortest form, logicals "True"/"False", null as "".
QList<QStringList> pythonDbfRows(const QJsonObject &dump);
