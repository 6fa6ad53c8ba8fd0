#pragma once

#include "Cli.h"

namespace cli {

// cheqbook-cli print FILE -o OUT.pdf [--paper letter|a4]
int runPrint(const Arguments &a);

// cheqbook-cli print-checks FILE --rows LIST|--marked [--layout NAME] [--offset X,Y] [--start N]
// [--first-number N] -o OUT.pdf
int runPrintChecks(const Arguments &a);

// cheqbook-cli check-layouts [NAME] [--alignment -o OUT.pdf [--offset X,Y]]
int runCheckLayouts(const Arguments &a);

extern const char *const kPrintChecksHelp;
extern const char *const kCheckLayoutsHelp;

} // namespace cli
