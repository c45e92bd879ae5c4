// The game's version, shown in the caption and the help text; the build reads it from
// here for the installed files and the package.
#pragma once

#define QUORVANE_VERSION "0.6.2-preview"
