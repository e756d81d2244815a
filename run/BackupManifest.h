#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

// What a set of working tables holds and where it came from: written beside
// the tables by the import that wrote them, and so kept with them in the
// backup that a later import makes of them.
struct BackupManifest {
    // The file's name, in the working folder and in each backup.
    static const QString fileName;

    QString document; // the GestIB centre document the tables came from
    QString codi;     // its centre's code
    QString any;      // its school year
    QDateTime written;
    QList<QPair<QString, int>> rows; // per table, in the order the steps write them

    QByteArray toText() const;
    // What a manifest file holds; fields it lacks stay empty.
    static BackupManifest fromText(const QByteArray &text);

    // "ESC0001 2025" or, without a centre, "centro desconocido".
    QString centre() const;
    int totalRows() const;
    // The rows of one table, -1 when the set has no such table or it could not be read.
    int rowsOf(const QString &table) const;
};
