#pragma once

// Where merging keeps what it keeps: the versions a merge starts from, and
// the other computer's copies once merged. Both live in Cheqbook's data
// folder, the same for the window and cheqbook-cli, named here only.

#include <QString>

// ~/.local/share/Cheqbook (or where XDG_DATA_HOME says).
QString cheqbookDataFolder();
// A folder only its owner may enter, made when missing (an existing one is
// made so). False, with why, when it cannot be.
bool makePrivateFolder(const QString &path, QString *error);
