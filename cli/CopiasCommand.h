#pragma once

#include "cli/Command.h"

// `copias`: every backup of replaced working tables, newest first, with its date, centre and rows.
class CopiasCommand : public Command {
public:
    QString name() const override;
    QString help() const override;
    QList<CommandOption> options() const override;
    void readArguments(const QStringList &arguments, CommandOptions &options) const override;
    CommandReport run(const CommandOptions &options) const override;
};
