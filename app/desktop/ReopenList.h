#pragma once

// "Reopen the registers that were open when Cheqbook last quit": the
// preference, and the registers it reopens, kept per user.

#include <QStringList>

namespace reopen {
// Stored as the text "1" or "0", as the other preferences are; absent is off.
bool enabled();
void setEnabled(bool on);

// The files of the registers open when Cheqbook last quit, in the order
// their windows were opened.
QStringList registers();
void setRegisters(const QStringList &files);
} // namespace reopen
