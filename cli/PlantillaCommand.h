#pragma once

#include "cli/Command.h"

// `plantilla CENTRE.xml`: the levels file's template for the centre
// document, to -o or standard output; the working folder's CURSOST2 is only
// read.
class PlantillaCommand : public Command {
public:
    QString name() const override;
    QString help() const override;
    QList<CommandOption> options() const override;
    void readArguments(const QStringList &arguments, CommandOptions &options) const override;
    CommandReport run(const CommandOptions &options) const override;
};
