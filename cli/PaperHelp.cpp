// What --help and the manual say of the commands that paint, in cheqbook-cli
// as in cheqbook-cli-paper, which runs them.

#include "PaperCommands.h"

namespace cli {

const char *const kPrintChecksHelp =
    "Writes checks to OUT.pdf as they are printed on check stock: the rows of --rows (counted as the\n"
    "window counts them, the opening balance being row 1; 12,15 or 12-15), or with --marked every\n"
    "transaction marked to print (a P in its Check #). Each row must pay money out. The checks\n"
    "marked to print get their numbers now, from --first-number or the next after the register's\n"
    "last check, and the register is written back with them (the old file kept as FILE~) once the\n"
    "PDF is written. --layout names the stock: voucher-top (the default), voucher-middle,\n"
    "voucher-bottom, three-per-page, wallet, a layout of your own in the data folder, or a layout\n"
    "file; 'cheqbook-cli check-layouts' lists them. --offset X,Y moves everything printed right and\n"
    "down (0.5mm,-1mm or 0.02in,0). --start N begins the first sheet at its Nth check, for a sheet\n"
    "whose first checks are used. Dates are written in the order the window's preferences say, the\n"
    "amount in words in German or French where the locale is, in English elsewhere, and a payee's\n"
    "address from the address book under its name.";

const char *const kCheckLayoutsHelp =
    "Lists the check layouts: the ones Cheqbook ships, and your own in\n"
    "~/.local/share/Cheqbook/check-layouts/ (NAME.layout; one named as a shipped one takes its\n"
    "place), each with what is wrong with it when it cannot be read. With NAME, writes that\n"
    "layout's file to standard output, to copy and change. With --alignment, writes the layout's\n"
    "alignment page to OUT.pdf: a grid at every half inch and each field's box, to print on plain\n"
    "paper and hold against a sheet of checks; --offset X,Y moves the boxes as it moves the checks.";

} // namespace cli
