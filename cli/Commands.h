#pragma once

#include "cli/Command.h"

#include <QList>

// Every command of transtarquoib-cli, in the order --help lists them. A new
// command is one class and one entry here.
const QList<const Command *> &commands();
