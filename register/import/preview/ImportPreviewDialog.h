#pragma once

// The preview of a statement before anything is imported: the rows it would
// add, each with a tick box, the lines already in the register unticked with
// the reason, the lines that are not transactions, and the layout it read the
// file with, which can be changed and re-reads the file at once. It is a
// window of its own beside the register (never a modal loop); Import asks
// the register's window to do the import.

#include "ImportPreview.h"

#include <QDialog>

#include <memory>

class ImportPreviewModel;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableView;

class ImportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // A date it writes of its own is in the order given.
    ImportPreviewDialog(std::unique_ptr<ImportPreview> preview, QWidget *parent,
                        DateOrder shownDates = DateOrder::MonthDayYear);
    ~ImportPreviewDialog() override;

    ImportPreview &preview() { return *m_preview; }
    // The register changed while the preview was open: the lines are checked again.
    void recheck();

signals:
    // Import was pressed with nothing left to choose.
    void importRequested();

private:
    void build();
    QComboBox *columnBox(const char *name);
    // Shows what the preview now holds.
    void refresh();
    void fillColumnBox(QComboBox *box, const QStringList &names, int column);
    // A layout control was changed by hand: the file is read again with it.
    void layoutEdited();
    // The current line's category kept as a rule of the person's (the
    // table's context menu), and what that item says for the line.
    void keepAsRule();
    void updateKeepRule();

    std::unique_ptr<ImportPreview> m_preview;
    ImportPreviewModel *m_model = nullptr;
    bool m_refreshing = false; // showing the preview must not count as an edit

    QLabel *m_formatLabel = nullptr;
    QLabel *m_notes = nullptr;
    QComboBox *m_amountSign = nullptr;
    QGroupBox *m_layoutBox = nullptr;
    QComboBox *m_separator = nullptr;
    QSpinBox *m_headerLine = nullptr;
    QComboBox *m_dateOrder = nullptr;
    QCheckBox *m_decimalComma = nullptr;
    struct ColumnBoxes {
        QComboBox *date, *description, *memo, *amount, *moneyOut, *moneyIn, *checkNumber, *sign;
    } m_columns{};
    QLabel *m_accountLabel = nullptr;
    QComboBox *m_account = nullptr;
    QLabel *m_blocker = nullptr;
    QTableView *m_table = nullptr;
    QListWidget *m_skipped = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_acceptMatches = nullptr;
    QPushButton *m_import = nullptr;
    QAction *m_keepRule = nullptr;
};
