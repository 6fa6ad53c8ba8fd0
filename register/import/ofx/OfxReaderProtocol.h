#pragma once

// What cheqbook-ofx-reader (ofxreader/main.cpp) and the programs that run it
// (OfxReaderProcess.cpp) say to each other. The reader is started with the
// id of the process that starts it as its one argument, and the statement's
// bytes as its standard input. It writes records to its standard output,
// each one letter and then its fields, in the machine's own byte order
// (both ends are the same machine):
//
//   'F' text            the private folder it keeps libofx's copy in, when
//                       it cannot keep it in memory: removed by whoever
//                       sees the reader end without removing it
//   'T' double amount, byte amount valid, text FITID, text NAME, text MEMO,
//       text CHECKNUM   one transaction, in the order libofx reads them
//   'E' int32 result    libofx's result; the reading is whole
//
// A text is a 32-bit length and that many bytes of UTF-8. Plain C++, so that
// the reader needs nothing but libofx.

#include <cstdint>
#include <cstring>

#include <dirent.h>
#include <unistd.h>

namespace ofxreader {

inline constexpr char kFolderRecord = 'F';
inline constexpr char kTransactionRecord = 'T';
inline constexpr char kEndRecord = 'E';

// No text libofx gives is longer (its fields are fixed arrays of a few
// hundred bytes); a longer one means the reader is not saying what it should.
inline constexpr std::uint32_t kMaxText = 4096;

// The private folders, in the temporary folder, of readers that cannot keep
// libofx's copy in memory: "cheqbook-ofx-PID-XXXXXX", PID the reader's.
inline constexpr char kFolderPrefix[] = "cheqbook-ofx-";

// The exit status of the reader's child when the system gives it no
// namespace of its own; the reader then reads in a private folder instead.
inline constexpr int kNoNamespace = 70;

// Empties a private folder, given open: libofx keeps a file in it, never a folder.
inline void removeFolderEntries(int dirFd)
{
    const int listed = dup(dirFd);
    DIR *dir = listed >= 0 ? fdopendir(listed) : nullptr;
    if (!dir) {
        if (listed >= 0)
            close(listed);
        return;
    }
    while (const dirent *e = readdir(dir))
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            unlinkat(dirFd, e->d_name, 0);
    closedir(dir);
}

} // namespace ofxreader
