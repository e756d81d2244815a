#pragma once

#include "run/UserInteraction.h"

namespace centre_import {

class TControlCursos;

// What the centre import asks of the user beyond what every run asks: the
// level and course dialog. The main window shows it with its widgets; the
// command line fills it from its options; tests script it.
class ImportInteraction : public UserInteraction {
public:
    // Shows the level and course dialog modally and returns once it has closed.
    virtual void showControlCursos(TControlCursos &dialog) = 0;
};

} // namespace centre_import
