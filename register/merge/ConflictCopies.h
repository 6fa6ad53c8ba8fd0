#pragma once

// The copies that sync tools leave beside a file when two computers changed
// it apart: one computer's version keeps the name, the other's is renamed.
// Each tool names them its own way, and some say which computer or person
// made the copy and when:
//
//   NAME.sync-conflict-20261209-101010-ABCDEFG.ldgr        Syncthing (the device's short id)
//   NAME (conflicted copy 2026-12-09 101010).ldgr          Nextcloud, ownCloud
//   NAME (Laptop's conflicted copy 2026-12-09).ldgr        Dropbox (without the name, too)
//   NAME_conflict-20261209-101010.ldgr                     older ownCloud
//   NAME (SFConflict ann@example.com 2026-12-09-10-10-10).ldgr   Seafile
//
// and any other file that is NAME, then a word with "conflict" in it, then
// the register's extension, is one too, saying nothing more.

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>
#include <vector>

struct ConflictCopy {
    QString path;
    QString tool;   // empty when only the word "conflict" tells
    QString device; // the computer (or person) that made it, as its name says; empty when it says none
    QDate date;     // when it was made, in local time; invalid when the name does not say
    QTime time;     // invalid when the name gives the day only
};

// What a file's name says when it is a conflict copy of the register named
// registerName (both names without their folder); nothing otherwise.
std::optional<ConflictCopy> conflictCopyOf(const QString &registerName, const QString &fileName);

// The conflict copies that lie beside the register at registerPath (plain
// files only), the oldest first (those whose name tells no time last).
std::vector<ConflictCopy> findConflictCopies(const QString &registerPath);
