// What the desktop and the test platform share of a POSIX system: quit signals and the
// data tree beside the program.
#pragma once

// SIGTERM, SIGINT and SIGHUP are noted (not acted on) from now on.
void CatchQuitSignals();
// One of them came since the last time this was asked.
bool QuitSignalCaught();
// The data tree: "data" beside the program in the build tree, or the installed data
// directory (INSTALLED_DATA_FROM_PROGRAM, relative to the program's directory), into
// dataroot. When neither exists, one line names both and "data" beside the program stays.
void FindDataRoot();
