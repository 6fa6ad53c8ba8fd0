#pragma once

// The old-style text of a large register made on two cores: what a save
// writes, as writeOldStyle makes it, byte for byte, in about half the time.

#include "RegisterFile.h"

// writeOldStyle's text handed to put a piece at a time; false when put gave
// up. Registers of fewer rows than kTwoCoreRows are made on one core, and so
// is a register whose making is shown (progress): the window handles events
// meanwhile, and its rows must not change under another core.
inline constexpr size_t kTwoCoreRows = 65536;
bool writeOldStyleOnTwoCores(const std::vector<RecordPtr> &rows, const ChunkWriter &put,
                             Progress *progress = nullptr);
