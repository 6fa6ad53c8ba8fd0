#pragma once

// The new-year rollover: a new register file that starts from the carried
// balance and holds every transaction not yet reconciled. The open register
// is not changed.

#include "Register.h"

#include <QString>
#include <QStringView>

#include <vector>

// Why an empty register is not rolled over, in the user's language.
QString nothingToRollOverMessage();

// The last row's Total less the Amount of every matchable (not reconciled)
// row, in whole cents; the opening row counts like any other. 0 for an empty
// register.
Cents carriedBalance(const Register &reg);

// The rollover register: a new opening row (CheckNumber and Date one blank,
// DescriptionofTransaction "Initial", Amount and Total the money text of the
// carried balance), then the register's own matchable records, the same
// objects, unchanged, in order.
std::vector<RecordPtr> rolloverList(const Register &reg);

// Writes rolloverList(reg) to path in the XML form, atomically. Returns an
// empty string on success, otherwise a message naming the file; an empty
// register writes nothing and gives kNothingToRollOverMessage.
QString writeRolloverFile(const QString &path, const Register &reg);
