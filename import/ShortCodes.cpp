#include "import/ShortCodes.h"

#include "platform/Cp1252.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>

namespace centre_import {

namespace {

constexpr qsizetype codeWidth = 10;

constexpr char16_t foldsToMore = 0xFFFF; // no byte of the code page decodes to U+FFFF

// What each byte of code page 1252 folds to, as the folding of a text gives
// it. Folding goes character by character, so a text held in the code page
// folds byte by byte through this table.
const std::array<char16_t, 256> &foldedBytes()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> folds{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString folded = dbf::cp1252::decode(&byte, 1).toCaseFolded();
            folds[std::size_t(b)] = folded.size() == 1 ? folded.front().unicode() : foldsToMore;
        }
        return folds;
    }();
    return table;
}

// Text as code page 1252 holds it (characters the code page lacks become
// '?'), case-folded the Unicode way. A large centre asks for hundreds of
// thousands of keys: each takes one pass into the code page and one through
// the table, instead of a text decoded again and then folded.
QString foldedInCodePage(QStringView text)
{
    QVarLengthArray<char, 64> bytes(text.size()); // one byte per character at most
    const qsizetype size = dbf::cp1252::encode(text, bytes.data(), bytes.size());
    QString folded(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(folded.data());
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = foldedBytes()[uchar(bytes[i])];
        if (out[i] == foldsToMore)
            return dbf::cp1252::decode(bytes.constData(), size).toCaseFolded();
    }
    return folded;
}

bool startsSurrogatePair(QStringView text, qsizetype i)
{
    return i + 1 < text.size() && text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate();
}

// Where the first n characters of the text end.
qsizetype endOfFirst(QStringView text, qsizetype n)
{
    qsizetype end = 0;
    for (qsizetype count = 0; count < n && end < text.size(); ++count)
        end += startsSurrogatePair(text, end) ? 2 : 1;
    return end;
}

// Where the last n characters of the text begin.
qsizetype beginOfLast(QStringView text, qsizetype n)
{
    qsizetype begin = text.size();
    for (qsizetype count = 0; count < n && begin > 0; ++count)
        begin -= (begin >= 2 && startsSurrogatePair(text, begin - 2)) ? 2 : 1;
    return begin;
}

// The first `first` and the last `last` characters of the text, made in one
// piece: the short-code search makes hundreds of thousands of them.
QString firstAndLast(const QString &text, qsizetype first, qsizetype last)
{
    const QStringView view(text);
    const QStringView head = view.first(endOfFirst(view, first));
    const QStringView tail = view.sliced(beginOfLast(view, last));
    QString joined;
    joined.reserve(head.size() + tail.size());
    return joined.append(head).append(tail);
}

// A code longer than the field keeps its start and the counter's digits, at
// least two of them; with three or more digits all are kept, so that one stem
// never runs out of codes.
QString shorten(const QString &code, qsizetype digits)
{
    if (characterCount(code) <= codeWidth)
        return code;
    const qsizetype tail = std::max<qsizetype>(digits, 2);
    return firstAndLast(code, codeWidth - tail, tail);
}

// What a variant appends to the code list: the last candidate tried (the
// base, or the numbered stem before shortening), the code, or both. Every
// variant remembers the code it gives, so that no later element gets it.
enum class Recorded { CandidateAndCode, Code, Candidate };

struct Variant {
    QString base;
    QString stem; // numbered when the base clashes
    Recorded recorded;
};

// The first element with a base keeps it as its code; later ones number the
// stem. A candidate is passed over when it, or the code it shortens to, was
// already given; an empty base is a clash at once.
QString shortCode(CodeList &codes, const Variant &variant)
{
    QString candidate = variant.base;
    QString candidateKey = CodeList::key(candidate);
    QString code = shorten(candidate, 0);
    QString codeKey = code == candidate ? candidateKey : CodeList::key(code);
    if (codeKey.isEmpty() || codes.contains(candidateKey) || codes.contains(codeKey)) {
        int &lastTaken = codes.lastTakenCounter(variant.stem);
        for (int counter = lastTaken + 1;; ++counter) {
            const QString number = QString::number(counter);
            candidate = variant.stem + number;
            candidateKey = CodeList::key(candidate);
            if (codes.contains(candidateKey))
                continue;
            code = shorten(candidate, number.size());
            codeKey = code == candidate ? candidateKey : CodeList::key(code);
            if (!codes.contains(codeKey)) {
                lastTaken = counter;
                break;
            }
        }
    }

    if (variant.recorded != Recorded::Code)
        codes.add(candidateKey);
    codes.add(codeKey);
    if (code != variant.base)
        codes.noteChange(variant.base, code);
    return code;
}

} // namespace

QString CodeList::key(const QString &text)
{
    // As a code field of the tables gives the text back: trailing blanks are
    // padding. Only a blank becomes a blank in the code page, so they may go
    // first.
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return foldedInCodePage(QStringView(text).first(end));
}

bool CodeList::contains(const QString &key) const
{
    return m_keys.contains(key);
}

void CodeList::add(const QString &key)
{
    m_keys.insert(key);
}

// Stems are keyed with their trailing blanks: "Taller de " and "Taller de"
// number to different candidates.
int &CodeList::lastTakenCounter(const QString &stem)
{
    return m_lastTakenCounters[foldedInCodePage(stem)];
}

void CodeList::noteChange(const QString &base, const QString &code)
{
    m_changes.append({QString(), base, code});
}

const QList<ShortCodeChange> &CodeList::changes() const
{
    return m_changes;
}

QString subjectShortCode(CodeList &codes, const QString &curta)
{
    const QString base = subjectLongCode(curta);
    return shortCode(codes, {base, firstCharacters(base, 9), Recorded::CandidateAndCode});
}

QString teacherShortCode(CodeList &codes, const QString &curta)
{
    const QString base = characterCount(curta) > codeWidth ? firstCharacters(curta, 9) : curta;
    return shortCode(codes, {base, base.isEmpty() ? QStringLiteral("P") : base, Recorded::Code});
}

QString roomShortCode(CodeList &codes, const QString &descripcio)
{
    const QString base = firstCharacters(descripcio, codeWidth);
    return shortCode(codes, {base, firstCharacters(base, 9), Recorded::Candidate});
}

// The level's first 5 and the course's first 2 characters lead, so that the
// same group name in different courses starts apart; the name is not cut, and
// a long code keeps its last characters, where group names differ.
QString groupShortCode(CodeList &codes, const QString &nivel, const QString &curso, const QString &nom)
{
    const QString base = groupCodePrefix(nivel, curso) + nom;
    return shortCode(codes, {base, firstCharacters(base, 9), Recorded::Candidate});
}

QString groupCodePrefix(const QString &nivel, const QString &curso)
{
    return firstCharacters(nivel, 5) + firstCharacters(curso, 2);
}

QString subjectLongCode(const QString &curta)
{
    if (characterCount(curta) <= codeWidth)
        return curta;
    return firstAndLast(curta, 9, 1);
}

qsizetype characterCount(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); i += startsSurrogatePair(text, i) ? 2 : 1)
        ++count;
    return count;
}

QString firstCharacters(const QString &text, qsizetype n)
{
    return text.left(endOfFirst(text, n));
}

QString lastCharacters(const QString &text, qsizetype n)
{
    return text.mid(beginOfLast(text, n));
}

} // namespace centre_import
