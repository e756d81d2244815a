#pragma once

#include "cli/Command.h"

// `comprobar CENTRE.xml`: the centre import into a temporary copy of the
// working folder, to report what it would write; the working folder itself
// is only read. Its status is Warnings when that import would finish with
// warnings.
class ComprobarCommand : public Command {
public:
    QString name() const override;
    QString help() const override;
    QList<CommandOption> options() const override;
    void readArguments(const QStringList &arguments, CommandOptions &options) const override;
    CommandReport run(const CommandOptions &options) const override;
};
