#pragma once

#include <QIcon>

// Our icon, built into the program at the sizes that window managers, task
// bars and window switchers pick from.
QIcon applicationIcon();

// Makes our icon the one of every window that has none of its own: the main
// window, the level and course dialog, the message boxes and file dialogs.
// Also names the menu entry, through which desktops find the same icon.
void setApplicationIcon();
