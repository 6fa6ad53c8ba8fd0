#pragma once

// The commands of cheqbook-cli, one function each: what main runs for a
// command line once its arguments are read.

#include "Cli.h"

#include <memory>

namespace cli {

// What the user sees of long work with --progress: "cheqbook-cli: reading
// FILE 45%" on a terminal.
std::unique_ptr<Progress> watch(const Arguments &a, const char *doing, const QString &path);

int runReport(const Arguments &a);
#ifdef CHEQBOOK_PRINT
int runPrint(const Arguments &a);
#endif
int runBalance(const Arguments &a);
int runConvert(const Arguments &a);
int runSort(const Arguments &a);
int runReconciliation(const Arguments &a);
int runRollover(const Arguments &a);
int runBackups(const Arguments &a);
int runMerge(const Arguments &a);
int runConflicts(const Arguments &a);

} // namespace cli
