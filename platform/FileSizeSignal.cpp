#include "platform/FileSizeSignal.h"

#include <csignal>

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}
