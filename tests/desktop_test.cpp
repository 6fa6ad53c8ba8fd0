// What makes Cheqbook a desktop program: colours that read on light and
// dark palettes.

#include "DocumentController.h"
#include "FakeToolkit.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "PaletteColors.h"
#include "RegisterTableModel.h"
#include "TestSupport.h"

#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DesktopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings().clear();
        document = controller.newDocument();
    }

    QTemporaryDir dir;
    FakeToolkit toolkit;
    DocumentController controller{toolkit, dir.filePath(u"recovery"_s)};
    MyDocument *document = nullptr;
};

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
    MyWindowController *c = document->windowController();
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
