// Placeholder until the level and course dialog exists.
#include "tests/support/ScriptedInteraction.h"

std::function<void(TControlCursos &)> ScriptedInteraction::defaultCursosPass;

void ScriptedInteraction::showControlCursos(TControlCursos &)
{
    shown.push_back({Shown::ControlCursos, {}, {}, Buttons::YesNo, Answer::Ok, Icon::None});
}
