#pragma once

// cheqbook-cli categories, and what categories add to report and import.

#include "Cli.h"

#include <optional>

class CategoryFilter;
class CategoryRules;

namespace cli {

// cheqbook-cli categories FILE [--from D] [--to D] [--by month] [--csv].
int runCategories(const Arguments &a);

// The filter report --category asks for; nothing when it asks for none.
std::optional<CategoryFilter> reportCategory(const Arguments &a);

// The rules import gives the statements' lines: the user's, or none with
// --no-rules.
CategoryRules importRules(const Arguments &a);

} // namespace cli
