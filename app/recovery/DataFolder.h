#pragma once

// Where Cheqbook keeps what is the user's but not a register: recovery
// copies and dated backups. Only its owner may enter it.

#include <QString>

// ~/.local/share/Cheqbook (under $XDG_DATA_HOME when that is set).
QString dataFolder();

// A folder only its owner may enter, whatever the umask, made when missing
// (an existing one is made so). False, with why, when it cannot be.
bool makePrivateFolder(const QString &path, QString *error);

// Cheqbook kept its data one folder deeper before,
// ~/.local/share/Cheqbook/Cheqbook; what is there is moved up into
// dataFolder(), and the old folder goes once it is empty. A name the new
// folder already has is not replaced: the old one stays where it was, and
// the result says so (empty when everything moved or there was nothing).
QString moveOldDataFolder();

// Cheqbook's settings file names the registers opened lately, so only its
// owner may read it: it is made so now (mode 0600), before anything is
// written to it, and stays so, since a rewritten settings file takes the
// mode of the one before.
void keepSettingsPrivate();
