#pragma once

// What `cheqbook` takes on its command line, and what its --help tells
// beyond the options: how it ends, the files it keeps and the environment
// it reads. The manual page is made from that help, so that neither says
// what the other does not.

#include <QStringList>

class QCoreApplication;

// Whether the arguments ask for the help or the version, which need no
// display: the program is then started without one.
bool asksForHelpOrVersion(int argc, char **argv);

// The register files named on the command line, as absolute paths. Asked
// for the help or the version, prints it and ends the program; a wrong
// command line is said on standard error and ends it with status 1.
QStringList readCommandLine(const QCoreApplication &app);
