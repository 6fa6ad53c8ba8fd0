#pragma once

// The payee address book: the address to print under a payee's name on a
// check, remembered per payee. It is one file for the person, in Cheqbook's
// data folder, not a part of each register: the same landlord is paid from
// every register, and next year's register (a new file) knows the address
// without carrying it over. The file is plain text a person can read and
// change: a payee's name on a line, the address's lines under it, and an
// empty line before the next payee.
//
//   Maple Court Apartments
//   1200 Maple Court, Suite 4
//   Springfield, IL 62704
//
//   Jonas Weber Plumbing
//   ...

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class PayeeAddresses
{
public:
    // Where the address book is kept.
    static QString defaultPath();

    // The book a file holds; a file that is not there is an empty book.
    // False, with a message naming the file, when it cannot be read.
    bool load(const QString &path, QString *error);
    // Writes the book to path whole or not at all; empty on success,
    // otherwise a message naming the file.
    QString save(const QString &path) const;

    // The book as its file holds it, and back.
    QByteArray text() const;
    static PayeeAddresses fromText(const QByteArray &text);

    // The address of the payee (letter case and surrounding blanks aside);
    // empty when none is known.
    QStringList addressOf(QStringView payee) const;
    // Keeps lines as the payee's address (blank lines left out, at most
    // kMaxLines); no lines forgets it.
    void setAddress(const QString &payee, const QStringList &lines);
    int count() const { return int(m_entries.size()); }

    static constexpr int kMaxLines = 6;

private:
    struct Entry {
        QString payee;
        QStringList lines;
    };
    std::vector<Entry> m_entries;
};
