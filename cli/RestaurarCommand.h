#pragma once

#include "cli/Command.h"

// `restaurar [COPIA]`: puts a backup (by its name, or the newest) back into
// the working folder all at once, keeping what it replaces as a backup too.
class RestaurarCommand : public Command {
public:
    QString name() const override;
    QString help() const override;
    QList<CommandOption> options() const override;
    void readArguments(const QStringList &arguments, CommandOptions &options) const override;
    CommandReport run(const CommandOptions &options) const override;
};
