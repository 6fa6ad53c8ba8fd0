#pragma once

// Checks on paper or in a PDF, placed by a layout: the same for the window's
// printer and cheqbook-cli's PDF. Every field's text stays within its box:
// the amount in figures is filled with asterisks in front, the amount in
// words with asterisks after it, so that nothing can be written into the
// room left, and a text wider than its box is set narrower, never cut.

#include "CheckContent.h"
#include "CheckLayout.h"

#include <QPointF>
#include <QString>

#include <vector>

class QPagedPaintDevice;

struct CheckPrintSettings {
    // Moves everything printed right and down (points; below zero: left and
    // up), for a printer that does not feed the sheet where it should.
    QPointF offset;
    // Where on the first sheet the first check goes, from 1: a sheet that
    // went through the printer already with its first checks used.
    int firstPlace = 1;
};

// The sheets count checks take.
int checkSheetCount(int count, const CheckLayout &layout, int firstPlace = 1);

// Gives the device the layout's paper, without margins, so that what is
// painted is placed from the paper's corner.
void setUpCheckPage(QPagedPaintDevice &device, const CheckLayout &layout);

// Prints the checks, each with its stubs, one to a place of the layout's
// sheets. False when the device cannot be painted on or refuses a page.
bool printChecks(const std::vector<CheckContent> &checks, const CheckLayout &layout, QPagedPaintDevice &device,
                 const CheckPrintSettings &settings = {});

// The alignment test page: a grid at every half inch, each check's face and
// stubs, and each field's box named, as the settings place them; printed on
// plain paper and held against a sheet of checks to the light, it shows
// whether the printer puts the fields where the stock wants them.
bool printAlignmentPage(const CheckLayout &layout, QPagedPaintDevice &device, const CheckPrintSettings &settings = {});

// Either of the above as a PDF written to path whole or not at all; empty
// on success, otherwise a message naming the file.
QString writeChecksPdf(const std::vector<CheckContent> &checks, const CheckLayout &layout, const QString &path,
                       const CheckPrintSettings &settings = {});
QString writeAlignmentPdf(const CheckLayout &layout, const QString &path, const CheckPrintSettings &settings = {});
