#pragma once

// The check layouts Cheqbook offers: those it ships, for the common US
// stocks, and the person's own, kept in the check-layouts folder of
// Cheqbook's data folder (a shipped layout copied there under its own name
// and changed takes the shipped one's place).

#include "CheckLayout.h"

#include <QString>

#include <vector>

// The person's check layouts: a folder of Cheqbook's data folder, the same
// for the window and cheqbook-cli.
QString userCheckLayoutFolder();

inline const QString kCheckLayoutSuffix = QStringLiteral(".layout");

struct CheckLayoutEntry {
    QString id;       // what --layout names it by: its file name without .layout
    QString path;     // the file (":/check-layouts/..." for a shipped one)
    bool shipped = false;
    CheckLayoutReading reading;
};

// Every layout, the shipped ones first in their order, then the person's by
// name; a layout file of the person's that cannot be read is listed with
// its error.
std::vector<CheckLayoutEntry> checkLayouts();

// The layout a name gives: a layout's id (as checkLayouts() lists), or the
// path of a layout file (one with a / or ending in .layout). An error names
// what was asked for when there is no such layout.
CheckLayoutReading findCheckLayout(const QString &nameOrPath);

// The text of the file findCheckLayout reads for the name, for copying a
// shipped layout; empty when there is no such layout.
QByteArray checkLayoutText(const QString &nameOrPath);
