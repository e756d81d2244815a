#pragma once

// The level and course dialog's logic, without widgets (to be written).
class TControlCursos {
};
