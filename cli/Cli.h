#pragma once

// Shared pieces of cheqbook-cli's commands.

#include "MyDocument.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>

namespace cli {

enum ExitCode { Ok = 0, Failed = 1, Usage = 2, Conflicts = 4 };

// One line on stderr, prefixed with the program's name.
void error(const QString &message);

// Writes UTF-8 to stdout; false (and a message on stderr) when the write
// fails, as on a full disk or a closed pipe.
bool writeOut(const QString &text);
bool writeOut(QByteArrayView bytes);
bool finishOut();

struct Arguments {
    QStringList positional;
    QString output;      // -o / --output
    QStringList flags;   // other options, as given
    QHash<QString, QString> values; // options that take a value, by name ("--date")
    bool help = false;
    bool showProgress = false; // --progress: how far long work has come, on a terminal
    QString problem;     // a usage error
};

// Splits a command's arguments: "-o OUT" / "--output OUT" / "-oOUT", "--help"
// / "-h", and the flags a command accepts; a flag accepted as "--name=" takes
// a value, as "--name VALUE" or "--name=VALUE". Anything else starting with
// "-" is a usage error. "--progress" is taken by every command.
Arguments parseArguments(const QStringList &args, const QStringList &acceptedFlags);

// Opens a register file as the window has it once it has shown every row:
// read, each Amount as money text, the running balance recalculated. Null
// after reporting the error; a stored balance that disagrees is said. The
// document lives until the process ends: taking a large register apart takes
// longer than reading it, and the program exits without doing so.
enum class Recalculate { No, Yes };
MyDocument *openRegister(const QString &path, Recalculate recalculate = Recalculate::Yes,
                         Progress *progress = nullptr);

// Saves a register as the window does (the old file kept as FILE~, the new
// one put in place whole); Ok, or Failed after saying why.
int saveRegister(MyDocument &doc, const QString &path, Progress *progress = nullptr);

// Whether output is the same file as one of inputs (by the file, not by its
// name: "./F", "dir/../F" and a link to F are all F); says so, naming what
// that input is ("the register", "the statement"), when it is.
bool outputIsAnInput(const QString &output, const QStringList &inputs, const QString &what);

} // namespace cli
