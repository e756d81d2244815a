#pragma once

class QWidget;
class TControlCursos;

// Shows the level and course dialog over `dialog` modally, owned by `owner`,
// and returns once it has closed.
void showControlCursosModal(TControlCursos &dialog, QWidget *owner);
