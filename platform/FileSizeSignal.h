#pragma once

// A write past the process's file-size limit (ulimit -f) raises SIGXFSZ,
// whose default action ends the program at once, with no message and with the
// table half written. Ignored, the write fails with EFBIG instead, and the
// table layer reports it like any other failed write. Called once at start.
void ignoreFileSizeSignal();
