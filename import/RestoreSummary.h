#pragma once

#include "run/BackupManifest.h"
#include "run/RunSummary.h"

// What putting a backup back did: which set came back, and where the tables
// it replaced were kept in their turn.
class RestoreSummary : public RunSummary {
public:
    QString backup;          // the backup put back, as Windows names it
    BackupManifest restored; // what it holds: its centre and the rows of each table
    QString kept;            // the backup of the replaced tables, as Windows names it; empty when none were

    QString title() const override;
    QStringList lines() const override;
    // None: the tables come back as they were once in use.
    QStringList warnings() const override;
    QJsonObject toJson() const override;
};
