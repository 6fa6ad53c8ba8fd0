#pragma once

// The window a check run is set up in: the stock's layout, the printer and
// its offsets, where on the first sheet to start, and the first number for
// the checks marked to print. Each printer's offsets are remembered.

#include "CheckLayouts.h"
#include "CheckPrinter.h"

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

struct CheckRunChoice {
    CheckLayout layout;
    QString printer; // the printer chosen, empty for the default; kPdfPrinterKey for a PDF
    CheckPrintSettings settings;
    qint64 firstNumber = 1;
};

class CheckPrintDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Output { Printer, Pdf };
    // checks: how many will print; toNumber: how many of them get their
    // numbers now, from proposedFirst on.
    CheckPrintDialog(QWidget *parent, Output output, int checks, int toNumber, qint64 proposedFirst);

    // What the window holds now; nothing while its layout cannot be read.
    std::optional<CheckRunChoice> choice() const;
    // Remembers the layout, the unit and the printer's offsets for next time.
    void remember() const;

    void chooseLayout(const QString &id);
    void setOffset(QPointF points);
    void setFirstPlace(int place);
    void setFirstNumber(qint64 number);

signals:
    // The alignment page asked for, as the window is set up now.
    void alignmentRequested(const CheckRunChoice &choice);

private:
    void layoutChosen();
    void printerChosen();
    void unitChosen();
    QString printerKey() const;

    Output m_output;
    std::vector<CheckLayoutEntry> m_layouts;
    QComboBox *m_layout = nullptr;
    QLabel *m_layoutProblem = nullptr;
    QComboBox *m_printer = nullptr;
    QComboBox *m_unit = nullptr;
    QDoubleSpinBox *m_across = nullptr;
    QDoubleSpinBox *m_down = nullptr;
    QSpinBox *m_start = nullptr;
    QSpinBox *m_first = nullptr;
    QPushButton *m_ok = nullptr;
};
