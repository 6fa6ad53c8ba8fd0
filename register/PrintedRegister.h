#pragma once

// The printed register on paper or in a PDF: the report text set in the
// system's fixed-pitch font at 12 points, 32-point margins, placed at the top
// left and shrunk when a report line would not fit the page width. Every
// header block starts a new page, so each page begins with the column titles.

#include "Register.h"

#include <QString>

class QPagedPaintDevice;

inline constexpr qreal kPrintFontPoints = 12;
inline constexpr qreal kPrintMarginPoints = 32;
// The widest line of the report: the hyphens under the column titles.
inline constexpr int kPrintColumns = 86;

// Gives the device the printed register's margins. The window does this
// before showing the print dialog, so that the dialog shows them too.
void setUpPrintedRegisterPage(QPagedPaintDevice &device);

// Lays a report text out on the device's pages and paints it. An empty text
// gives a single blank page, so a PDF is still a valid document. False when
// the device cannot be painted on or refuses a new page.
bool printReportText(const QString &reportText, QPagedPaintDevice &device);

// The register's report on the device, balances as they stand: the print
// command recalculates them first.
bool printRegister(const Register &reg, QPagedPaintDevice &device);

// Writes the printed register as a PDF on US Letter pages to path, through a
// temporary file that replaces path only once the whole PDF is written.
// Returns an empty string on success, otherwise a message naming the file.
QString writeReportPdf(const Register &reg, const QString &path);
