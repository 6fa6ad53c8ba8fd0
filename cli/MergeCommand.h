#pragma once

#include "Cli.h"

namespace cli {

// cheqbook-cli merge MINE THEIRS [--base BASE] [-o OUT] [--ours|--theirs]
int runMerge(const Arguments &a);
// cheqbook-cli conflicts FILE
int runConflicts(const Arguments &a);

} // namespace cli
