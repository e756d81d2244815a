#pragma once

#include "cli/Command.h"

// `importar CARPETA|ARCHIVO`: the timetable export into the given folder,
// or the folder of the given file.
class ImportarCommand : public Command {
public:
    QString name() const override;
    QString help() const override;
    QList<CommandOption> options() const override;
    void readArguments(const QStringList &arguments, CommandOptions &options) const override;
    CommandReport run(const CommandOptions &options) const override;
};
