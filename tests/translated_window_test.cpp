// The window in German and in French: no word of it left in English (a text
// someone forgot to hand to the translation shows here, where lupdate cannot
// see it), access keys that still reach one command each, Qt's own buttons
// and key names in the same language, the charts' month names and the guide
// in it too.

#include "ChartWindow.h"
#include "CheckNumbering.h"
#include "DocumentController.h"
#include "FakeToolkit.h"
#include "HelpWindow.h"
#include "MenuKeys.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "Recurrence.h"
#include "Report.h"
#include "ShortcutsWindow.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QTranslator>

#include <gtest/gtest.h>

#include <set>

using namespace Qt::StringLiterals;

namespace {

void removeTranslations()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// Every text a window shows of itself, without the register's rows: titles,
// labels, buttons, fields' hints, tool tips, choices, column titles, menus.
// Each with the name of a widget that shows it.
std::map<QString, QString> shownTexts(QWidget *window)
{
    std::map<QString, QString> texts;
    QObject *where = window;
    auto add = [&texts, &where](const QString &text) {
        if (!text.isEmpty())
            texts.emplace(text, where->objectName());
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        where = w;
        add(w->toolTip());
        if (w->isWindow() || qobject_cast<QDockWidget *>(w))
            add(w->windowTitle());
        if (auto *label = qobject_cast<QLabel *>(w))
            add(label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(button->text());
        if (auto *field = qobject_cast<QLineEdit *>(w))
            add(field->placeholderText());
        if (auto *box = qobject_cast<QGroupBox *>(w))
            add(box->title());
        if (auto *choice = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < choice->count(); ++i)
                add(choice->itemText(i));
        if (auto *table = qobject_cast<QTableView *>(w); table && table->model())
            for (int column = 0; column < table->model()->columnCount(); ++column)
                for (int role : {Qt::DisplayRole, Qt::ToolTipRole})
                    add(table->model()->headerData(column, Qt::Horizontal, role).toString());
    }
    for (QAction *action : window->findChildren<QAction *>()) {
        where = action;
        add(action->text());
        if (action->toolTip() != plainMenuText(action->text()))
            add(action->toolTip());
        if (action->menu())
            add(action->menu()->title());
    }
    return texts;
}

// Words a language writes as English does.
const std::map<QString, std::set<QString>> kSameInBothLanguages = {
    {u"de"_s, {u"OK"_s, u"Filter"_s}},
    {u"fr"_s, {u"OK"_s, u"Date"_s, u"Description"_s, u"Transactions"_s, u"Total"_s, u"point (1234.56)"_s}},
};

class TranslatedWindow : public ::testing::TestWithParam<QString>
{
protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override { removeTranslations(); }

    void speak(const QString &language)
    {
        removeTranslations();
        if (!language.isEmpty()) {
            ASSERT_TRUE(installTranslation(*qApp, language, QString::fromUtf16(kTranslationsFolder),
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        }
    }
    // A register window as the program opens it, with every menu.
    QMainWindow *newWindow()
    {
        controllers.push_back(std::make_unique<DocumentController>(toolkit));
        return windowController(controllers.back()->newDocument())->window();
    }

    FakeToolkit toolkit;
    std::vector<std::unique_ptr<DocumentController>> controllers;
};

TEST_P(TranslatedWindow, ShowsNoTextLeftInEnglish)
{
    const std::map<QString, QString> english = shownTexts(newWindow());
    speak(GetParam());
    const std::map<QString, QString> translated = shownTexts(newWindow());
    const std::set<QString> &same = kSameInBothLanguages.at(GetParam());
    static const QRegularExpression letters(u"[A-Za-z]{2,}"_s);
    for (const auto &[text, where] : translated)
        if (english.count(text) && !same.count(plainMenuText(text)) && text.contains(letters))
            ADD_FAILURE() << "untranslated in " << where.toStdString() << ": \u201c" << text.toStdString() << "\u201d";
    EXPECT_GT(translated.size(), 80u);
}

TEST_P(TranslatedWindow, EachAccessKeyStillReachesOneCommand)
{
    speak(GetParam());
    expectEachAccessKeyHasOneOwner(newWindow());
}

TEST_P(TranslatedWindow, QtsOwnButtonsAndKeysSpeakTheSameLanguage)
{
    speak(GetParam());
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Cancel);
    const std::map<QString, std::pair<QString, QString>> expected = {
        {u"de"_s, {u"Speichern"_s, u"Strg+S"_s}},
        {u"fr"_s, {u"Enregistrer"_s, u"Ctrl+S"_s}},
    };
    EXPECT_EQ(box.button(QMessageBox::Save)->text(), expected.at(GetParam()).first);
    EXPECT_EQ(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText), expected.at(GetParam()).second);
}

TEST_P(TranslatedWindow, ChartsNameTheMonthsInTheLanguageOfTheWindow)
{
    speak(GetParam());
    auto register_ = std::make_shared<Register>();
    // The first row is the opening balance, which is no money in or out.
    for (const char *date : {"12/31/2025", "01/05/2026", "02/02/2026", "03/15/2026"}) {
        RecordPtr row = makeRecord();
        row->set(Key::Date, Value::text(QLatin1StringView(date)));
        row->set(Key::Amount, Value::text(u"-10.00"_s));
        row->set(Key::Total, Value::text(u"-10.00"_s));
        register_->append(row);
    }
    ChartWindow charts(register_, [] { return QDate(2026, 3, 20); }, {});
    charts.refresh();
    const std::map<QString, QStringList> months = {
        {u"de"_s, {u"Jan."_s, u"Feb."_s, u"M\u00e4rz"_s}},
        {u"fr"_s, {u"janv."_s, u"f\u00e9vr."_s, u"mars"_s}},
    };
    EXPECT_EQ(charts.barCategories(), months.at(GetParam()));
    // The balance's axis names its months by the chart's locale.
    EXPECT_EQ(charts.balanceSeries()->chart()->locale().language(), QLocale(GetParam()).language());
}

// Marking a check with no payee to print once named its Undo step with an
// English "Transaction" in every language.
TEST_P(TranslatedWindow, ACheckMarkedToPrintNamesItsUndoStepInTheLanguage)
{
    speak(GetParam());
    MyDocument doc;
    doc.ensureRegister();
    for (const char *payee : {"Opening Balance", "", "Miete"}) {
        RecordPtr row = makeRecord();
        row->set(Key::DescriptionofTransaction, Value::text(QLatin1StringView(payee)));
        row->set(Key::Amount, Value::text(u"-20.00"_s));
        doc.array()->append(row);
    }
    const std::map<QString, QStringList> expected = {
        {u"de"_s, {u"Buchung zum Drucken vormerken"_s, u"\u201eMiete\u201c zum Drucken vormerken"_s}},
        {u"fr"_s, {u"Marquage d'une op\u00e9ration \u00e0 imprimer"_s,
                   u"Marquage de \u00ab\u00a0Miete\u00a0\u00bb \u00e0 imprimer"_s}},
    };
    for (int row : {1, 2}) {
        ASSERT_EQ(markToPrint(doc, {row}), std::vector<int>{row});
        EXPECT_EQ(doc.history().undoName(), expected.at(GetParam())[row - 1]);
    }
}

// "the first" and "the last" of a weekday in a month read as a filter's
// "first" and "last" day: "monatlich am letztes Freitag", "le fin vendredi".
TEST_P(TranslatedWindow, TheNthWeekdayOfAMonthReadsAsOneInTheLanguage)
{
    speak(GetParam());
    const std::map<QString, QStringList> expected = {
        {u"de"_s, {u"monatlich am ersten Montag"_s, u"monatlich am letzten Freitag"_s}},
        {u"fr"_s, {u"tous les mois le premier lundi"_s, u"tous les mois le dernier vendredi"_s}},
    };
    Recurrence r;
    r.monthlyOn = MonthlyOn::Weekday;
    r.start = QDate(2026, 12, 1);
    for (const auto &[week, weekday, i] : {std::tuple(1, 1, 0), std::tuple(kLastWeek, 5, 1)}) {
        r.week = week;
        r.weekday = weekday;
        EXPECT_EQ(recurrenceText(r), expected.at(GetParam())[i]);
    }
}

TEST_P(TranslatedWindow, HelpShowsTheGuideInTheLanguage)
{
    speak(GetParam());
    const std::map<QString, QString> titles = {{u"de"_s, u"# Cheqbook-Hilfe"_s}, {u"fr"_s, u"# Aide de Cheqbook"_s}};
    EXPECT_TRUE(HelpWindow::guideText().startsWith(titles.at(GetParam())))
        << HelpWindow::guideText().left(80).toStdString();
}

// The printed register's columns stand where they stand in English,
// whatever the length of their titles in the language.
TEST_P(TranslatedWindow, PrintedColumnTitlesStandOverTheirColumns)
{
    auto bars = [](const QString &header) {
        std::vector<qsizetype> at;
        for (qsizetype i = 0; i < header.indexOf(u'\n'); ++i)
            if (header[i] == u'|')
                at.push_back(i);
        return at;
    };
    EXPECT_EQ(shownReportHeader(), reportHeader());
    speak(GetParam());
    EXPECT_NE(shownReportHeader(), reportHeader());
    EXPECT_EQ(bars(shownReportHeader()), bars(reportHeader())) << shownReportHeader().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindow, ::testing::Values(u"de"_s, u"fr"_s),
                         [](const auto &info) { return info.param.toStdString(); });

} // namespace
