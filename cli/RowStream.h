#pragma once

// A register read on one core while its rows are worked through on another,
// as cheqbook-cli's categories does: it never holds the register.

#include "Progress.h"
#include "RegisterFile.h"

#include <QString>

#include <functional>

namespace cli {

// Reads the register file at path, handing each row to each, in order, on
// the calling thread. Rows come from the file as it is read; the result is
// only known at the end, so a caller keeps what it makes of the rows until
// it knows the file was good.
RegisterReadResult streamShownRows(const QString &path, Progress *progress,
                                   const std::function<void(const ShownRow &)> &each);

} // namespace cli
