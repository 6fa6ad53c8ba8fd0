#pragma once

#include "Cli.h"

namespace cli {

// cheqbook-cli import FILE STATEMENT... [-o OUT] [--account ID] [--date-order mdy|dmy|ymd]
// [--keep-duplicates] [--dry-run]
int runImport(const Arguments &a);

} // namespace cli
