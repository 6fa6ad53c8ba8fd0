#pragma once

// Every transaction knows who it is: an identity under the key ID, given when
// the row is made and kept through every edit, sort, undo and save, and into
// the new year's register, which carries the record itself. Two versions of
// one register, edited apart on two computers, are merged row by row by it.
//
// An identity is 11 letters and digits (64 bits): held inline in a Value and
// written bare in the file, 16 bytes a row in memory and about 17 in the
// file. A row typed in gets a random one. A row imported from a statement
// gets one made from the bank's id of it, so that the same transaction
// imported on two computers is one row. A row read from a file that has none
// (written by an older Cheqbook or by another program) gets one made from
// what it holds, so that every computer reading the same file gives it the
// same identity; it is written with the next save.

#include "Register.h"

#include <QStringView>

#include <vector>

using RowId = quint64; // 0: no identity

inline constexpr int kIdentityLength = 11;

// A fresh random identity.
Value newIdentity();
// The identity that a number stands for, and back. Any other text under ID
// (a file edited by hand) is an identity too: it stands for a hash of itself.
Value identityValue(RowId id);
RowId rowId(const Value &identity);
inline RowId rowId(const Record &record) { return rowId(record.value(Key::ID)); }

// The identity of every row, as giveIdentities would leave them, without
// changing a row: a row without one, or with one that an earlier row holds
// already (a line copied by hand), the one made from its bank id or from its
// date, amount, description and check number, and from how many rows before
// it gave the same. The same rows give the same identities on every computer.
std::vector<RowId> rowIds(const std::vector<RecordPtr> &rows);
// The same, with the rows found by them in index.
class IdIndex;
std::vector<RowId> rowIds(const std::vector<RecordPtr> &rows, IdIndex &index);

// Gives the rows those identities. This is no change the document counts:
// the file gets them with its next save. Returns how many rows it gave one.
int giveIdentities(const std::vector<RecordPtr> &rows);
// The same, each row given one replaced by a copy first: a record the rows
// share with another register is left as it is. Returns every row's
// identity, with the rows found by them in index.
std::vector<RowId> giveIdentitiesToCopies(std::vector<RecordPtr> &rows, IdIndex &index);

// For rows being added to reg: those without an identity get one, random,
// or for a row from a statement the one made from its bank id (another if
// a row of reg holds that one already).
void giveAddedRowsIdentities(const Register &reg, const std::vector<RecordPtr> &added);
