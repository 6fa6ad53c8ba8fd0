#pragma once

// Cheqbook's own programs that its programs start: each found through an
// environment variable when it is set, else beside the running program (a
// build), else in ../libexec/cheqbook from it (as installed).

#include <QString>

// The program's full path; empty when it is in none of those places.
QString helperProgramPath(const QString &name, const char *environmentVariable);
