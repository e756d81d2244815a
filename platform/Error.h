#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The one base of every error the converter raises on purpose. Its message is
// what the user reads in the error report; its kind tells callers and tests
// which failure it was without reading the text.
class Error : public std::exception {
public:
    enum class Kind {
        Table,           // a dBase table or its index
        Document,        // an XML document
        Ini,             // the result file "Velarix.ini"
        Export,          // the timetable export's own conversion
        RefusedDocument, // a chosen file that is not the document the run needs
    };

    Error(Kind kind, const QString &message);

    Kind kind() const;
    QString message() const;
    const char *what() const noexcept override;

private:
    Kind m_kind;
    QByteArray m_utf8;
};
