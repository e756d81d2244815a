#pragma once

#include "platform/DbfCodePage.h"
#include "platform/DbfLayout.h"

#include <QString>

// The values of one field inside a record buffer: how each dBase type reads
// as text, number and logical, and how values are written back.
namespace dbf::value {

// Text as asString gives it: no padding blanks, numbers in shortest decimal
// form, logicals "True"/"False"; empty for a blank field.
QString text(const FieldLayout &field, const char *record, const DbfCodePage &codePage);
// The same into `into`, reusing its storage for a character field.
void readText(const FieldLayout &field, const char *record, const DbfCodePage &codePage, QString &into);

// The field as a number; 0 when blank. Throws DbfError naming the field and
// the table (path) when its content is not a number.
double number(const FieldLayout &field, const char *record, const DbfCodePage &codePage, const QString &path);
long long wholeNumber(const FieldLayout &field, const char *record, const DbfCodePage &codePage, const QString &path);
bool boolean(const FieldLayout &field, const char *record, const DbfCodePage &codePage, const QString &path);

// Writers for C, N, F and L fields. Text is cut to the width; a number that
// does not fit the width is refused with a DbfError, never cut.
void setText(const FieldLayout &field, char *record, QStringView text, const DbfCodePage &codePage, const QString &path);
void setNumber(const FieldLayout &field, char *record, double number, const QString &path);
void setWholeNumber(const FieldLayout &field, char *record, long long number, const QString &path);
void setBoolean(const FieldLayout &field, char *record, bool value, const QString &path);

} // namespace dbf::value
