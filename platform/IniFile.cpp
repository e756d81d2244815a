#include "platform/IniFile.h"

#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace ini {

namespace {

// One line of the file: its text and the line end that follows it ("" on a
// last line without one), so that untouched lines are written back as read.
struct Line {
    QByteArray text;
    QByteArray end;
};

std::vector<Line> splitLines(const QByteArray &bytes)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            lines.push_back({bytes.mid(start), {}});
            break;
        }
        const bool crlf = newline > start && bytes[newline - 1] == '\r';
        const qsizetype textEnd = crlf ? newline - 1 : newline;
        lines.push_back({bytes.mid(start, textEnd - start), crlf ? QByteArray("\r\n") : QByteArray("\n")});
        start = newline + 1;
    }
    return lines;
}

// New lines follow the file's own style; a new file gets CRLF, which every
// Windows program reads.
QByteArray lineEndStyle(const std::vector<Line> &lines)
{
    for (const Line &line : lines) {
        if (!line.end.isEmpty())
            return line.end;
    }
    return "\r\n";
}

QByteArray trimBlanks(const QByteArray &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t'))
        ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t'))
        --last;
    return text.mid(first, last - first);
}

// Names match ignoring the letter case of A to Z, as Windows matches them.
bool sameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The text of a line with a UTF-8 byte-order mark left out, so that a file
// saved by Notepad still finds its first section.
QByteArray withoutBom(const QByteArray &text)
{
    return text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
}

std::optional<QByteArray> sectionName(const QByteArray &text)
{
    const QByteArray trimmed = trimBlanks(withoutBom(text));
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return trimBlanks(trimmed.mid(1, close - 1));
}

bool isSectionNamed(const QByteArray &text, const QByteArray &section)
{
    const std::optional<QByteArray> name = sectionName(text);
    return name && sameName(*name, section);
}

// A key line is "name=value"; comment lines never hold a key.
std::optional<QByteArray> keyName(const QByteArray &text)
{
    const QByteArray trimmed = trimBlanks(text);
    if (trimmed.startsWith(';') || trimmed.startsWith('#'))
        return std::nullopt;
    const qsizetype equals = trimmed.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return trimBlanks(trimmed.left(equals));
}

QByteArray join(const std::vector<Line> &lines)
{
    QByteArray bytes;
    for (const Line &line : lines)
        bytes += line.text + line.end;
    return bytes;
}

// Sets the key in the lines: in place where the section already holds it,
// after the section's last key otherwise, and in a new section at the end
// when the file has none of that name.
void setKey(std::vector<Line> &lines, const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    const QByteArray newline = lineEndStyle(lines);
    size_t i = 0;
    while (i < lines.size() && !isSectionNamed(lines[i].text, section))
        ++i;
    if (i == lines.size()) {
        if (!lines.empty() && lines.back().end.isEmpty())
            lines.back().end = newline;
        lines.push_back({'[' + section + ']', newline});
        lines.push_back({key + '=' + value, newline});
        return;
    }
    size_t insertAfter = i;
    for (size_t j = i + 1; j < lines.size() && !sectionName(lines[j].text); ++j) {
        const std::optional<QByteArray> name = keyName(lines[j].text);
        if (!name)
            continue;
        if (sameName(*name, key)) {
            lines[j].text = *name + '=' + value;
            return;
        }
        insertAfter = j;
    }
    if (lines[insertAfter].end.isEmpty())
        lines[insertAfter].end = newline;
    lines.insert(lines.begin() + qsizetype(insertAfter) + 1, Line{key + '=' + value, newline});
}

} // namespace

void writeInteger(const QString &path, const QString &section, const QString &key, int value)
{
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const IniError unableToWrite(QCoreApplication::translate("IniFile", "No se puede escribir en %1").arg(fullPath));

    QByteArray bytes;
    QFile existing(path);
    if (existing.exists()) {
        // What cannot be read cannot be kept, so it is not overwritten either.
        if (!existing.open(QIODevice::ReadOnly))
            throw unableToWrite;
        bytes = existing.readAll();
        if (existing.error() != QFileDevice::NoError)
            throw unableToWrite;
        existing.close();
    }

    std::vector<Line> lines = splitLines(bytes);
    setKey(lines, trimBlanks(section.toUtf8()), trimBlanks(key.toUtf8()), QByteArray::number(value));
    const QByteArray result = join(lines);

    if (writeWholeFile(path, result))
        throw unableToWrite;
}

} // namespace ini
