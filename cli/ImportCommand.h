#pragma once

#include "Cli.h"

namespace cli {

// cheqbook-cli import FILE STATEMENT... [-o OUT] [--account ID] [--date-order mdy|dmy|ymd]
// [--columns LIST] [--separator S] [--decimal-comma] [--amounts-out|--amounts-in] [--keep-duplicates] [--dry-run]
int runImport(const Arguments &a);

} // namespace cli
