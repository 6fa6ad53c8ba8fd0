#pragma once

// The find walk: which row a search for a piece of text selects next.

#include "Register.h"

#include <QStringView>

// The row to select when searching for text with selectedRow selected (-1 for
// none): the first row after the selected one that holds the text, else the
// first from the top before it. The selected row itself is never the answer,
// so searching again steps on to the next row that holds the text.
//
// A row holds the text when its CheckNumber, DescriptionofTransaction, Date,
// Amount or Total, each in its text form, contains it, ignoring letter case
// and comparing characters as they stand. Empty text matches nothing. Returns
// -1 when no other row holds the text.
int findRow(const Register &reg, int selectedRow, QStringView text);

// Whether one record holds the text, by the rules above.
bool recordContains(const Record &record, QStringView text);
