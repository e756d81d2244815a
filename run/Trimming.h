#pragma once

#include <QString>

// Values read from the centre document, and the levels and courses the dialog
// tests, lose every leading and trailing character whose code is U+0020 or
// below (blanks and control characters); nothing inside the text changes.
QString trimControl(const QString &text);
