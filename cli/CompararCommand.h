#pragma once

#include "cli/Command.h"

// `comparar [A] [B]`: two sets of tables, each a backup by its name or
// "actual" (the working folder), compared by their GestIB codes and rows;
// by default the newest backup against the working folder.
class CompararCommand : public Command {
public:
    QString name() const override;
    QString help() const override;
    QList<CommandOption> options() const override;
    void readArguments(const QStringList &arguments, CommandOptions &options) const override;
    CommandReport run(const CommandOptions &options) const override;
};
