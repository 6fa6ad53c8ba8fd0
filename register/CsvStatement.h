#pragma once

// Reading a bank's CSV export in a layout other than the five-field one:
// the columns the layout names, the header and the lines before it left out.
// Each transaction's date is written as the register writes dates
// (12/03/2026), whatever order the bank wrote its parts in.

#include "CsvLayout.h"
#include "Statement.h"

#include <QDate>
#include <QStringView>

// Lines before the header, lines whose date or amount cannot be read (a
// summary, a footer, a pending line without an amount) and lines with more
// fields than the header are skipped and listed with their reasons. A quote
// that never closes refuses the whole text, as in the five-field layout.
// Reading with an Unknown date order reads month first.
Statement readCsvStatement(QStringView text, const CsvLayout &layout, QDate today);

// An amount cell as the layout reads it: with a decimal comma, "-1.234,56"
// and "1 234,56" are -1234.56 and 1234.56.
CentsReading layoutAmount(QStringView cell, bool decimalComma);
