#pragma once

#include <QString>
#include <QStringList>

struct MainFormState;
namespace centre_import {
class ImportInteraction;
}

// The main window's own handlers, without widgets. `parameters` are the
// command-line parameters after the program's name, once Qt has taken its own
// options out.

// Starts the outcome at 0 and turns driven mode on for exactly two parameters.
void FormCreate(MainFormState &form, const QStringList &parameters);

// In driven mode, first writes "Transformado" 0 to the result file, so that a
// run that never reaches its end (killed, out of memory) leaves "not done"
// rather than an earlier run's success; then runs the direction that parameter
// 1 names ("importar" or "exportar", letters A to Z in any case); anything else
// runs nothing. A result file that cannot be written raises ini::IniError
// before any run starts.
void FormShow(MainFormState &form, centre_import::ImportInteraction &ui, const QStringList &parameters, const QString &resultFile);

// In driven mode, writes the outcome as "Transformado" in section
// "Transformadores" of the result file; raises ini::IniError when it cannot.
void FormClose(const MainFormState &form, const QString &resultFile);

// "Velarix.ini" in the executable's folder, where the timetabling program
// reads the outcome whatever folder it started the converter from.
QString velarixIniPath();

// Only A to Z are lowered: the timetabling program compares the direction
// that way, and a general lowering would also change accented capitals.
QString lowerAsciiLetters(const QString &text);
