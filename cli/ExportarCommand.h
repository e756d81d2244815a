#pragma once

#include "cli/Command.h"

// `exportar CENTRE.xml`: the centre import into the working folder.
class ExportarCommand : public Command {
public:
    QString name() const override;
    QString help() const override;
    QList<CommandOption> options() const override;
    void readArguments(const QStringList &arguments, CommandOptions &options) const override;
    CommandReport run(const CommandOptions &options) const override;
};
