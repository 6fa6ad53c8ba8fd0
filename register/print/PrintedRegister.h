#pragma once

// The printed register on paper or in a PDF: the report text set in the
// system's fixed-pitch font at 12 points, 32-point margins, placed at the top
// left and shrunk so that the widest line of the report fits the page width
// whole. Every header block starts a new page, so each page begins with the
// column titles.

#include "Progress.h"
#include "Register.h"
#include "WrittenForms.h"

#include <QPageSize>
#include <QString>

#include <functional>
#include <limits>

class QLocale;
class QPagedPaintDevice;

// The paper a locale prints on: US Letter in the United States and Canada,
// and where a locale names no country (C), as Cheqbook always printed; A4
// everywhere else.
QPageSize::PageSizeId paperOfLocale(const QLocale &locale);

inline constexpr qreal kPrintFontPoints = 12;
inline constexpr qreal kPrintMarginPoints = 32;
// The report's usual width: the hyphens under the column titles. Pages are
// fitted to a wider line when a report has one (an amount of millions).
inline constexpr int kPrintColumns = 86;

// Gives the device the printed register's margins. The window does this
// before showing the print dialog, so that the dialog shows them too.
void setUpPrintedRegisterPage(QPagedPaintDevice &device);

// Lays a report text out on the device's pages and paints it. An empty text
// gives a single blank page, so a PDF is still a valid document. False when
// the device cannot be painted on or refuses a new page.
bool printReportText(const QString &reportText, QPagedPaintDevice &device);

// Pages first to last, counted from 1.
struct PageRange {
    int first = 1;
    int last = std::numeric_limits<int>::max();
};

// Who watches a long print: progress (may stop it) and abort, which takes
// back what the device has so far when it was stopped (a printer's job).
struct PrintWatch {
    Progress *progress = nullptr;
    std::function<void()> abort;
};

// The register's report on the device, balances as they stand: the print
// command recalculates them first, with dates and amounts in the forms given.
// Only the pages of the range are printed. False when the device failed or
// the user stopped the print.
bool printRegister(const Register &reg, QPagedPaintDevice &device, PageRange range = {}, const PrintWatch &watch = {},
                   const WrittenForms &forms = {});
// How many pages printRegister gives on the device, for the print dialog.
int printedPageCount(const Register &reg, QPagedPaintDevice &device, const WrittenForms &forms = {});

// Writes the printed register as a PDF on pages of the paper to path,
// through a temporary file that replaces path only once the whole PDF is
// written. Returns an empty string on success, otherwise a message naming
// the file. Stopped through progress, it writes nothing at all and returns
// no error.
QString writeReportPdf(const Register &reg, const QString &path, Progress *progress = nullptr,
                       QPageSize::PageSizeId paper = QPageSize::Letter, const WrittenForms &forms = {});
// The same for a report text of lines, as printReportText lays it out.
QString writeTextPdf(const QString &text, const QString &path, QPageSize::PageSizeId paper = QPageSize::Letter);
