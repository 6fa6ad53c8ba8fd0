#pragma once

// The names banks give their CSV columns, and how well each names a role
// (ColumnRole, in CsvLayout.h). Shared by the layout's detection and the
// column words it reads.

#include "CsvLayout.h"

#include <QString>
#include <QStringView>

// Lower case letters without their accents, digits and '#'.
QString normalisedName(QStringView name);

// How much a role prefers a normalised name: 0 is best; -1 when the name is
// not one of it.
int columnNameRank(ColumnRole role, const QString &normalised);
