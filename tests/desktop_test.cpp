// What makes Cheqbook a desktop program: the Help menu and its windows, the
// menus' keys, the icon, and colours that read on light and dark palettes.

#include "AboutWindow.h"
#include "AppIdentity.h"
#include "DocumentController.h"
#include "FakeToolkit.h"
#include "HelpWindow.h"
#include "MenuKeys.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "PaletteColors.h"
#include "RegisterTableModel.h"
#include "ShortcutsWindow.h"
#include "TestSupport.h"
#include "WindowKeys.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

class DesktopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings().clear();
        document = controller.newDocument();
        window = windowController(document)->window();
    }
    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<HelpWindow *>(w) || qobject_cast<ShortcutsWindow *>(w) || qobject_cast<AboutWindow *>(w))
                w->close();
    }

    QMenu *menu(const QString &title, QMainWindow *of = nullptr) const
    {
        for (QAction *action : (of ? of : window)->menuBar()->actions())
            if (action->menu() && action->text() == title)
                return action->menu();
        ADD_FAILURE() << "no menu " << title.toStdString();
        return nullptr;
    }
    QAction *item(QMenu *menu, const QString &text) const
    {
        for (QAction *action : menu->actions())
            if (action->text() == text)
                return action;
        ADD_FAILURE() << "no item " << text.toStdString();
        return nullptr;
    }
    template <typename W>
    static W *shownWindow()
    {
        W *found = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *candidate = qobject_cast<W *>(w); candidate && candidate->isVisible()) {
                EXPECT_EQ(found, nullptr) << "two such windows";
                found = candidate;
            }
        return found;
    }

    QTemporaryDir dir;
    FakeToolkit toolkit;
    DocumentController controller{toolkit, dir.filePath(u"recovery"_s)};
    MyDocument *document = nullptr;
    QMainWindow *window = nullptr;
};

TEST_F(DesktopTest, EveryAltLetterOfTheMenuBarAndOfEachMenuHasOneOwner)
{
    expectEachAccessKeyHasOneOwner(window);
    EXPECT_EQ(window->menuBar()->actions().last()->text(), u"&Help") << "Help comes last";
}

TEST_F(DesktopTest, NoTwoCommandsShareAKey)
{
    // Qt runs neither of two actions that answer the same key in one window.
    std::map<QString, QString> owners;
    for (const Shortcut &shortcut : shortcutsOf(window))
        for (const QKeySequence &key : shortcut.keys) {
            const QString name = shortcut.menu + u" > "_s + shortcut.command;
            EXPECT_TRUE(owners.emplace(key.toString(), name).second)
                << key.toString().toStdString() << ": " << name.toStdString() << " and "
                << owners[key.toString()].toStdString();
        }
}

TEST_F(DesktopTest, TheShortcutsListShowsEveryActionWithKeysOnceAndNothingElse)
{
    // A command added later, in a submenu or only on a widget, is listed too.
    QMenu *more = menu(u"&Register"_s)->addMenu(u"&More"_s);
    more->addAction(u"&Fold\u2026"_s)->setShortcut(Qt::CTRL | Qt::Key_K);
    auto *tableOnly = new QAction(u"&Mark"_s, window);
    tableOnly->setShortcut(Qt::CTRL | Qt::Key_M);
    windowController(document)->tableView()->addAction(tableOnly);

    std::multiset<std::pair<QString, QString>> expected;
    for (const QAction *action : window->findChildren<QAction *>()) {
        QStringList keys; // every key of a command, as Undo has Ctrl+Z and Alt+Backspace
        for (const QKeySequence &key : action->shortcuts())
            keys << key.toString(QKeySequence::NativeText);
        if (!keys.isEmpty())
            expected.emplace(plainMenuText(action->text()), keys.join(u", "));
    }
    ASSERT_GE(expected.size(), 15u) << "the window's commands with keys were not found";

    menu(u"&Help"_s)->actions().at(1)->trigger(); // Keyboard Shortcuts
    auto *shown = shownWindow<ShortcutsWindow>();
    ASSERT_NE(shown, nullptr);
    std::multiset<std::pair<QString, QString>> listed;
    QStringList groups;
    for (int g = 0; g < shown->list()->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *group = shown->list()->topLevelItem(g);
        groups << group->text(0);
        for (int i = 0; i < group->childCount(); ++i)
            listed.emplace(group->child(i)->text(0), group->child(i)->text(1));
    }
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(groups, (QStringList{u"File"_s, u"Edit"_s, u"Register"_s, u"Register \u25b8 More"_s, u"View"_s,
                                   u"Help"_s, u"Other"_s}));
    EXPECT_EQ(listed.count({u"Save As"_s, u"Ctrl+Shift+S"_s}), 1u) << "menu text as read, keys as shown";
}

TEST_F(DesktopTest, MenuTextIsShownAsItReads)
{
    EXPECT_EQ(plainMenuText(u"Save &As\u2026"_s), u"Save As");
    EXPECT_EQ(plainMenuText(u"Import..."_s), u"Import");
    EXPECT_EQ(plainMenuText(u"Fish && &Chips"_s), u"Fish & Chips");
    EXPECT_EQ(plainMenuText(u"Ends in &"_s), u"Ends in &");
}

TEST_F(DesktopTest, HelpShowsTheReadmesUserGuideInOneWindow)
{
    const QString readme = QString::fromUtf8(readFile(QStringLiteral(README_PATH)));
    const qsizetype begin = readme.indexOf(u"<!-- user guide -->");
    const qsizetype end = readme.indexOf(u"<!-- end of user guide -->");
    ASSERT_TRUE(begin >= 0 && end > begin);
    const QString guide = readme.mid(begin, end - begin).section(u'\n', 1).trimmed();
    EXPECT_EQ(HelpWindow::guideText(), u"# Cheqbook Help\n\n"_s + guide + u'\n');

    QAction *help = item(menu(u"&Help"_s), u"Cheqbook &Help"_s);
    EXPECT_EQ(help->shortcut(), QKeySequence(QKeySequence::HelpContents));
    help->trigger();
    HelpWindow *shown = shownWindow<HelpWindow>();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->windowTitle(), u"Cheqbook Help");
    // Shown as a page, not as Markdown source.
    const QString page = shown->browser()->toPlainText();
    EXPECT_TRUE(page.contains(u"Using Cheqbook\n"_s)) << page.left(200).toStdString();
    EXPECT_TRUE(page.contains(u"Your data is safe\n"_s));
    EXPECT_FALSE(page.contains(u"## "_s));
    EXPECT_FALSE(page.contains(u"user guide -->"_s));

    // Asked for again, from another register's window, it is the same window.
    QMainWindow *other = windowController(controller.newDocument())->window();
    item(menu(u"&Help"_s, other), u"Cheqbook &Help"_s)->trigger();
    EXPECT_EQ(shownWindow<HelpWindow>(), shown);
}

TEST_F(DesktopTest, AboutTellsTheVersionTheQtAndTheLicence)
{
    QCoreApplication::setApplicationVersion(u"4.5.6"_s);
    item(menu(u"&Help"_s), u"&About Cheqbook"_s)->trigger();
    AboutWindow *about = shownWindow<AboutWindow>();
    ASSERT_NE(about, nullptr);
    const QString text = about->versionText();
    EXPECT_TRUE(text.startsWith(u"Cheqbook 4.5.6\n"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Qt "_s + QString::fromLatin1(qVersion()))) << text.toStdString();
    EXPECT_TRUE(text.contains(u"MIT licence"_s));
    const QPlainTextEdit *licence = about->findChild<QPlainTextEdit *>();
    ASSERT_NE(licence, nullptr);
    EXPECT_TRUE(licence->toPlainText().startsWith(u"MIT License\n\nCopyright (c) "_s));
    EXPECT_TRUE(licence->toPlainText().contains(u"The Cheqbook developers"_s));
    EXPECT_TRUE(licence->toPlainText().contains(u"Permission is hereby granted, free of charge, to any person"_s))
        << "paragraphs flow, and none is missing";
    QCoreApplication::setApplicationVersion(QString());
}

TEST_F(DesktopTest, TheIconComesInEverySizeTheThemeUses)
{
    const QIcon icon = cheqbookIcon();
    QList<int> sizes;
    for (const QSize &size : icon.availableSizes())
        sizes << size.width();
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (QList<int>{16, 22, 24, 32, 48, 64, 128, 256}));
    const QImage small = icon.pixmap(16, 16).toImage();
    ASSERT_FALSE(small.isNull()) << "the icon's images are not in the program";
    EXPECT_EQ(small.size(), QSize(16, 16));
    EXPECT_GT(qAlpha(small.pixel(8, 8)), 0) << "an empty image";
}

// --- Colours ----------------------------------------------------------------

QPalette tablePalette(QColor base, QColor alternate, QColor text)
{
    QPalette p;
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, alternate);
    p.setColor(QPalette::Text, text);
    return p;
}

TEST(PaletteColors, NegativeAmountsAndTheReconciledMarkReadOnLightDarkAndHighContrastPalettes)
{
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::black, Qt::white), 21.0);
    const std::pair<const char *, QPalette> palettes[] = {
        {"light", tablePalette(QColor(0xff, 0xff, 0xff), QColor(0xf5, 0xf5, 0xf5), Qt::black)},
        {"dark", tablePalette(QColor(0x1e, 0x1e, 0x1e), QColor(0x27, 0x27, 0x27), QColor(0xe6, 0xe6, 0xe6))},
        {"black", tablePalette(Qt::black, Qt::black, Qt::white)},
        {"mid grey", tablePalette(QColor(0x80, 0x80, 0x80), QColor(0x7a, 0x7a, 0x7a), Qt::black)},
        {"sepia", tablePalette(QColor(0xf4, 0xec, 0xd8), QColor(0xea, 0xe0, 0xc8), QColor(0x3b, 0x2f, 0x1e))},
    };
    for (const auto &[name, palette] : palettes) {
        SCOPED_TRACE(name);
        const QColor red = negativeAmountColor(palette);
        const QColor green = reconciledMarkColor(palette);
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::AlternateBase}) {
            EXPECT_GE(contrastRatio(red, palette.color(role)), 4.5) << red.name().toStdString();
            EXPECT_GE(contrastRatio(green, palette.color(role)), 4.5) << green.name().toStdString();
        }
        // Still red and still green, where any hue is left at all.
        if (red != Qt::black && red != Qt::white) {
            EXPECT_TRUE(red.red() > red.green() && red.red() > red.blue()) << red.name().toStdString();
        }
        if (green != Qt::black && green != Qt::white) {
            EXPECT_TRUE(green.green() > green.red() && green.green() > green.blue()) << green.name().toStdString();
        }
    }
    // A colour that reads already is left as it is; where nothing reaches
    // the contrast, the best there is.
    EXPECT_EQ(readableOn(QColor(0xc0, 0x1c, 0x28), {Qt::white}), QColor(0xc0, 0x1c, 0x28));
    EXPECT_EQ(readableOn(QColor(0xc0, 0x1c, 0x28), {QColor(0x77, 0x77, 0x77), QColor(0x70, 0x70, 0x70)}),
              QColor(Qt::white));
}

TEST_F(DesktopTest, TheTableColoursFollowItsPaletteWhenTheThemeChanges)
{
    document->array()->append(makeRecord());
    (*document->array())[0].set(Key::Amount, Value::text(u"-12.00"_s));
    (*document->array())[0].set(Key::EOMSeen, Value::text(u"1"_s));
    MyWindowController *c = windowController(document);
    c->recalculateCheckbook();
    c->reloadData();
    QAbstractItemModel *model = c->tableView()->model();
    const auto colour = [&](int column) {
        return model->data(model->index(0, column), Qt::ForegroundRole).value<QBrush>().color();
    };
    const QPalette dark = tablePalette(QColor(0x1e, 0x1e, 0x1e), QColor(0x27, 0x27, 0x27), Qt::white);
    c->tableView()->setPalette(dark);
    EXPECT_GE(contrastRatio(colour(RegisterTableModel::AmountColumn), dark.color(QPalette::Base)), 4.5);
    EXPECT_GE(contrastRatio(colour(RegisterTableModel::TotalColumn), dark.color(QPalette::AlternateBase)), 4.5);
    EXPECT_GE(contrastRatio(colour(RegisterTableModel::ReconciledColumn), dark.color(QPalette::Base)), 4.5);
    const QPalette light = tablePalette(Qt::white, QColor(0xf5, 0xf5, 0xf5), Qt::black);
    c->tableView()->setPalette(light);
    EXPECT_EQ(colour(RegisterTableModel::AmountColumn), negativeAmountColor(light)) << "the old palette's colour";
    EXPECT_FALSE(model->data(model->index(0, RegisterTableModel::DateColumn), Qt::ForegroundRole).isValid());
}

} // namespace
