// The register window on a large register, measured headless: opening to the
// first paint; the type-ahead, the filter and the charts; then one append,
// one delete, one amount edit in row 0, and the undo and redo of the commands
// that touch every row. Each figure is printed in milliseconds; bench/run
// turns them into ratios. With --open, only the opening is measured; with
// --save, the opening and then saves of a copy of the register, as the
// window saves it (its versions kept, a backup beside it), each after an edit.

#include "QuietToolkit.h"
#include "ChartWindow.h"
#include "ImportPreviewDialog.h"
#include "DocumentVersions.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "RegisterTableModel.h"
#include "SuggestionList.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QFile>
#include <QSettings>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {
double ms(QElapsedTimer &t)
{
    const double v = double(t.nsecsElapsed()) / 1e6;
    t.restart();
    return v;
}

void paint(QWidget *w)
{
    w->repaint();
    QApplication::processEvents();
}

// A key typed into a field, as the keyboard sends it.
void typeKey(QWidget *field, int key, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
}

// The slowest of the keystrokes typing text into a field, each until its
// result is painted (events waiting included).
double slowestKey(QElapsedTimer &t, QWidget *window, QLineEdit *field, const QString &text)
{
    double slowest = 0;
    for (QChar c : text) {
        t.restart();
        typeKey(field, c.unicode() >= u'a' && c.unicode() <= u'z' ? c.toUpper().unicode() : c.unicode(), c);
        paint(window);
        slowest = std::max(slowest, ms(t));
    }
    return slowest;
}

// What a million rows cost the type-ahead, the filter and the charts.
void entryFigures(QElapsedTimer &t, MyDocument &doc, MyWindowController *c)
{
    QMainWindow *w = c->window();
    auto *description = w->findChild<QLineEdit *>(u"DescriptionofTransaction"_s);
    // The index is read as a description is about to be typed (the window
    // that takes the keyboard does it; headless, it is done here).
    t.restart();
    doc.textIndex().prepare(*doc.array());
    std::printf("typeahead_index %.1f\n", ms(t));
    // A letter most descriptions hold, then a payee typed out.
    const double oneLetter = slowestKey(t, w, description, u"e"_s);
    description->clear();
    const double payee = slowestKey(t, w, description, u"Hy-Vee"_s);
    std::printf("typeahead_key %.1f\n", std::max(oneLetter, payee));
    if (!c->descriptionSuggestions()->isShown())
        std::fprintf(stderr, "gui_scale: the type-ahead showed nothing\n");
    c->descriptionSuggestions()->hide();
    description->clear();

    auto *filter = w->findChild<QLineEdit *>(u"filterText"_s);
    filter->setFocus();
    t.restart();
    typeKey(filter, Qt::Key_H, u"h"_s);
    paint(w);
    std::printf("filter_first_key %.1f\n", ms(t));
    std::printf("filter_key %.1f\n", slowestKey(t, w, filter, u"y-vee"_s));
    t.restart();
    typeKey(filter, Qt::Key_Backspace);
    paint(w);
    std::printf("filter_wider_key %.1f\n", ms(t));
    t.restart();
    typeKey(filter, Qt::Key_Escape);
    paint(w);
    std::printf("filter_clear %.1f\n", ms(t));
    // Digits are looked for in the money columns too, row by row.
    std::printf("filter_digits_key %.1f\n", slowestKey(t, w, filter, u"41"_s));
    typeKey(filter, Qt::Key_Escape);
    paint(w);
    auto *from = w->findChild<QLineEdit *>(u"filterFrom"_s);
    from->setText(u"01/01/2000"_s);
    t.restart();
    QApplication::processEvents();
    paint(w);
    std::printf("filter_dates %.1f\n", ms(t));
    typeKey(filter, Qt::Key_Escape);
    paint(w);

    t.restart();
    c->showCharts(w);
    paint(c->chartWindow());
    std::printf("chart_open %.1f\n", ms(t));
    c->chartWindow()->hide();
}
// Opens a copy of the register and saves it twice, each time after changing
// one amount: the first save also starts the register's versions.
int saveFigures(const QString &path)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(u"register.ldgr"_s);
    if (!QFile::copy(path, copy))
        return 1;
    QElapsedTimer t;
    t.start();
    MyDocument doc;
    keepVersions(doc);
    QString why;
    if (!doc.readFromFile(copy, u"ldgr", &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    std::printf("read %.1f\n", ms(t));
    for (const char *figure : {"save", "save_again"}) {
        doc.edit(u"Amount"_s, [&] { doc.setValue(1, Key::Amount, Value::money(doc.count())); });
        t.restart();
        if (!doc.saveToFile(copy, &why)) {
            std::fprintf(stderr, "%s\n", qPrintable(why));
            return 1;
        }
        std::printf("%s %.1f\n", figure, ms(t));
    }
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"CheqbookBench"_s);
    QApplication::setApplicationName(u"CheqbookBench"_s);
    const bool openOnly = argc > 2 && std::strcmp(argv[2], "--open") == 0;
    const bool saves = argc > 2 && std::strcmp(argv[2], "--save") == 0;
    if (argc < 2) {
        std::fprintf(stderr, "usage: gui_scale REGISTER.ldgr [STATEMENT.csv | --open | --save]\n");
        return 2;
    }
    if (saves)
        return saveFigures(QString::fromLocal8Bit(argv[1]));
    QuietToolkit toolkit;
    QElapsedTimer t;
    t.start();
    MyDocument doc;
    QString why;
    if (!doc.readFromFile(QString::fromLocal8Bit(argv[1]), u"ldgr", &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    doc.makeWindowControllers(toolkit);
    MyWindowController *c = windowController(&doc);
    c->window()->resize(1000, 700);
    c->window()->show();
    paint(c->window());
    std::printf("open %.1f\n", ms(t));
    if (openOnly) {
        std::fflush(stdout);
        std::_Exit(0); // taking a large register apart is not what is measured
    }

    entryFigures(t, doc, c);

    QMainWindow *w = c->window();
    w->findChild<QLineEdit *>(u"DescriptionofTransaction"_s)->setText(u"Coffee"_s);
    w->findChild<QLineEdit *>(u"Amount"_s)->setText(u"-4.50"_s);
    t.restart();
    c->addTransaction(w->findChild<QPushButton *>(u"enterButton"_s));
    paint(w);
    std::printf("append %.1f\n", ms(t));

    // Undo and redo, each timed as the command was: the work, then a paint.
    auto undoRedo = [&](const char *what) {
        t.restart();
        c->undo(w);
        paint(w);
        std::printf("undo_%s %.1f\n", what, ms(t));
        c->redo(w);
        paint(w);
        std::printf("redo_%s %.1f\n", what, ms(t));
    };

    c->selectRowIndexes(1, false);
    t.restart();
    c->deleteTransaction(w);
    paint(w);
    std::printf("delete %.1f\n", ms(t));
    undoRedo("delete");

    QAbstractItemModel *model = c->tableView()->model();
    t.restart();
    model->setData(model->index(0, RegisterTableModel::AmountColumn), u"1234.56"_s);
    paint(w);
    std::printf("edit_row0 %.1f\n", ms(t));

    // Find a text that only the last row holds, from the top.
    const QString last = u"Only in the last row"_s;
    doc.array()->at(doc.count() - 1)->set(Key::DescriptionofTransaction, Value::text(last));
    c->deselectAll();
    w->findChild<QLineEdit *>(u"findField"_s)->setText(last);
    t.restart();
    c->find(w);
    paint(w);
    std::printf("find_last %.1f\n", ms(t));

    QSettings().setValue(u"sortWarning"_s, u"1"_s);
    t.restart();
    c->showSortWarning(w);
    paint(w);
    std::printf("sort %.1f\n", ms(t));
    undoRedo("sort");
    std::printf("history_bytes %.1f\n", double(doc.history().size()));

    if (argc > 2) {
        // The preview, then its Import: what the user waits for.
        t.restart();
        c->importFile(QString::fromLocal8Bit(argv[2]));
        if (ImportPreviewDialog *preview = c->importPreview())
            preview->findChild<QPushButton *>(u"importButton"_s)->click();
        paint(w);
        std::printf("import %.1f\n", ms(t));
        undoRedo("import");
    }

    const QString pdf = QDir::temp().filePath(u"cheqbook-gui-scale.pdf"_s);
    toolkit.printer.setOutputFormat(QPrinter::PdfFormat);
    toolkit.printer.setOutputFileName(pdf);
    toolkit.printAnswer = true;
    t.restart();
    c->print(w);
    std::printf("print_pdf %.1f\n", ms(t));
    QFile::remove(pdf);

    // Scrolling repaints only what is visible, wherever it is.
    t.restart();
    for (int i = 0; i < 20; ++i) {
        c->scrollRowToVisible(i * (doc.count() / 20));
        paint(w);
    }
    std::printf("scroll_20_pages %.1f\n", ms(t));

    // Bank lines often make every description different: a quarter of a
    // million of them.
    const int rows = doc.count();
    for (int row = 1; row < rows; ++row)
        doc.array()->at(row)->set(Key::DescriptionofTransaction,
                                  Value::text(u"POS %1 HY-VEE #%2"_s.arg(row % 250000).arg(row % 250000 % 97)));
    auto *description = w->findChild<QLineEdit *>(u"DescriptionofTransaction"_s);
    doc.textIndex().rowsReplaced(*doc.array()); // changed behind the document's back: read again
    t.restart();
    doc.textIndex().prepare(*doc.array());
    std::printf("typeahead_index_distinct %.1f\n", ms(t));
    description->clear();
    std::printf("typeahead_key_distinct %.1f\n", slowestKey(t, w, description, u"hy-vee #4"_s));
    std::printf("typeahead_distinct_count %d\n", doc.textIndex().descriptions().distinctCount());
    doc.updateChangeCount(); // nothing to save: the document goes with main
    return 0;
}
