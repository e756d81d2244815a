#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Writes `bytes` as the whole file at `path`: into a temporary file beside it,
// flushed and checked, then put in the file's place in one step. Whatever
// fails, the file stays as it was, whole, and no temporary file is left.
// Returns the reason (in Spanish) when the file could not be written, nothing
// when it was.
[[nodiscard]] std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes);

// Reads the whole file at `path` into `bytes`. Returns the reason (in
// Spanish) when it could not be read, nothing when it was.
[[nodiscard]] std::optional<QString> readWholeFile(const QString &path, QByteArray &bytes);

// Copies the file at `from` as the whole file at `to`, as writeWholeFile
// writes it, a block at a time. Returns the reason (in Spanish) when it could
// not be copied, nothing when it was.
[[nodiscard]] std::optional<QString> copyWholeFile(const QString &from, const QString &to);
