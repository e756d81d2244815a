#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstdint>

namespace dbf {

// The character set a table's language driver byte names. Code page 1252 (and
// an unknown or missing byte) uses our own codec; other pages go through Qt's.
class DbfCodePage {
public:
    explicit DbfCodePage(std::uint8_t languageDriver);

    QString decode(const char *bytes, qsizetype size) const;
    // The same into `text`, reusing its storage where the page allows.
    void decode(const char *bytes, qsizetype size, QString &text) const;
    // Writes at most maxBytes bytes to out and returns how many; characters
    // the page lacks become '?'.
    qsizetype encode(QStringView text, char *out, qsizetype maxBytes) const;

private:
    bool m_is1252 = true;
    mutable QStringDecoder m_decoder;
    mutable QStringEncoder m_encoder;
};

} // namespace dbf
