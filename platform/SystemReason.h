#pragma once

#include <QString>

// Why the operating system refused a file operation, in our own Spanish words
// (`error` is an errno value), whatever locales the machine has installed.
// A value we have no words for gives the system's own text after ours.
QString systemReason(int error);
