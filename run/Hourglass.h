#pragma once

#include "run/UserInteraction.h"

// The hourglass for as long as the object lives. The pointer goes back to
// normal however the run ends, so that an error report is never shown under
// the hourglass.
class Hourglass {
public:
    explicit Hourglass(UserInteraction &ui)
        : m_ui(ui)
    {
        m_ui.setHourglass(true);
    }
    ~Hourglass() { m_ui.setHourglass(false); }
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;

private:
    UserInteraction &m_ui;
};
