#include "ComponentTestSupport.h"
#include "components/GridGeometry.h"
#include "components/QGrid.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <vector>

namespace {

QWidget* fixedCell(int width, int height)
{
    auto* cell = new QWidget;
    cell->setFixedSize(width, height);
    return cell;
}

} // namespace

TEST(GridGeometry, CellWidthFollowsTheColumnFormula)
{
    // The Discovery and My Design grids: 720 wide, 4 columns, no gaps, padding 10.
    EXPECT_DOUBLE_EQ(GridGeometry::cellWidth(720, 4, { 12, 0, 10, 10 }), 175);
    // Defaults of 10 everywhere: (720 − 30 − 20) / 4.
    EXPECT_DOUBLE_EQ(GridGeometry::cellWidth(720, 4, {}), 167.5);
    EXPECT_DOUBLE_EQ(GridGeometry::cellWidth(300, 1, {}), 280);
    // Too narrow to hold the padding: no negative cells.
    EXPECT_DOUBLE_EQ(GridGeometry::cellWidth(15, 3, {}), 0);
    // Fewer than one column counts as one.
    EXPECT_DOUBLE_EQ(GridGeometry::cellWidth(300, 0, {}), 280);
    EXPECT_DOUBLE_EQ(GridGeometry::cellWidth(300, -2, {}), 280);
}

TEST(GridGeometry, RowsHoldTheColumnCountAndTheLastRowMayBePartial)
{
    EXPECT_EQ(GridGeometry::rowCount(0, 4), 0);
    EXPECT_EQ(GridGeometry::rowCount(4, 4), 1);
    EXPECT_EQ(GridGeometry::rowCount(5, 4), 2);
    EXPECT_EQ(GridGeometry::rowCount(3, 0), 3);

    const GridSpacing spacing { 12, 0, 10, 10 };
    const QList<QSizeF> sizes(6, QSizeF(161, 100));
    const GridGeometry::Layout layout = GridGeometry::layout(720, 4, spacing, sizes);
    ASSERT_EQ(layout.cells.size(), 6);
    // Each 161-wide cell is centred in its 175-wide slot.
    EXPECT_DOUBLE_EQ(layout.cells[0].left(), 10 + 7);
    EXPECT_DOUBLE_EQ(layout.cells[3].left(), 10 + 3 * 175 + 7);
    // The partial second row starts at the leading edge, one row and a gap down.
    EXPECT_DOUBLE_EQ(layout.cells[4].left(), layout.cells[0].left());
    EXPECT_DOUBLE_EQ(layout.cells[5].left(), layout.cells[1].left());
    EXPECT_DOUBLE_EQ(layout.cells[4].top(), 10 + 100 + 12);
    EXPECT_DOUBLE_EQ(layout.contentHeight, 10 + 100 + 12 + 100 + 10);
}

TEST(GridGeometry, RowsAreAsTallAsTheirTallestCell)
{
    const GridGeometry::Layout layout
        = GridGeometry::layout(230, 2, {}, { QSizeF(100, 40), QSizeF(100, 80), QSizeF(100, 20) });
    EXPECT_DOUBLE_EQ(layout.cells[0].top(), 10 + 20); // centred in an 80-high row
    EXPECT_DOUBLE_EQ(layout.cells[1].top(), 10);
    EXPECT_DOUBLE_EQ(layout.cells[2].top(), 10 + 80 + 10);
    EXPECT_DOUBLE_EQ(layout.contentHeight, 10 + 80 + 10 + 20 + 10);
    EXPECT_DOUBLE_EQ(GridGeometry::layout(230, 2, {}, {}).contentHeight, 20);
}

TEST(QGrid, StoresItsColumnCountsAsGiven)
{
    QGrid none(0, { .columns = 0 }, {});
    EXPECT_EQ(none.columns(), 1);
    EXPECT_EQ(none.landscapeColumns(), 1);

    QGrid fallback(0, { .columns = 4 }, {});
    EXPECT_FALSE(fallback.columnsInLandscape().has_value());
    EXPECT_EQ(fallback.landscapeColumns(), 4);

    QGrid landscape(0, { .columns = 4, .columnsInLandscape = 3 }, {});
    EXPECT_EQ(landscape.landscapeColumns(), 3);

    QGrid zeroLandscape(0, { .columns = 4, .columnsInLandscape = 0 }, {});
    EXPECT_EQ(zeroLandscape.landscapeColumns(), 1);
}

TEST(QGrid, BuildsOneCellPerElementInOrder)
{
    const std::vector<QString> titles { "a", "b", "c", "d", "e" };
    int calls = 0;
    QGrid* grid = QGrid::over(titles, { .columns = 4 }, [&calls](const QString& title) {
        ++calls;
        auto* button = new QPushButton(title);
        return button;
    });
    std::unique_ptr<QGrid> owner(grid);
    EXPECT_EQ(calls, 5);
    ASSERT_EQ(grid->cellCount(), 5);
    EXPECT_EQ(qobject_cast<QPushButton*>(grid->cell(4))->text(), "e");
    EXPECT_EQ(grid->cell(5), nullptr);
    EXPECT_EQ(grid->cell(-1), nullptr);
}

TEST(QGrid, LaysOutCellsInTheLandscapeColumns)
{
    QWidget window;
    window.resize(720, 490);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    const QGridOptions options { .columns = 4, .vSpacing = 12, .hSpacing = 0 };
    auto* grid = new QGrid(6, options, [](int) { return fixedCell(161, 161); });
    layout->addWidget(grid);
    window.show();
    ASSERT_TRUE(waitUntil([&] { return grid->cell(5)->y() > 0; }));

    EXPECT_DOUBLE_EQ(grid->cellWidth(), 175);
    EXPECT_EQ(grid->cell(0)->geometry(), QRect(17, 10, 161, 161));
    EXPECT_EQ(grid->cell(3)->geometry(), QRect(10 + 3 * 175 + 7, 10, 161, 161));
    EXPECT_EQ(grid->cell(4)->geometry(), QRect(17, 10 + 161 + 12, 161, 161));

    QGrid threeAcross(5, { .columns = 4, .columnsInLandscape = 3 }, [](int) { return fixedCell(50, 50); });
    threeAcross.resize(400, 400);
    threeAcross.show();
    ASSERT_TRUE(waitUntil([&] { return threeAcross.cell(3)->y() > 10; }));
    EXPECT_EQ(threeAcross.cell(3)->x(), threeAcross.cell(0)->x());
    EXPECT_GT(threeAcross.cell(2)->x(), threeAcross.cell(1)->x());
}

TEST(QGrid, FlexibleCellsTakeTheWholeCellWidth)
{
    QGrid grid(3, { .columns = 2 }, [](int) {
        auto* cell = new QWidget;
        cell->setMinimumHeight(30);
        cell->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return cell;
    });
    grid.resize(230, 200);
    grid.show();
    ASSERT_TRUE(waitUntil([&] { return grid.cell(2)->y() > 10; }));
    EXPECT_EQ(grid.cell(0)->width(), 100);
    EXPECT_EQ(grid.cell(1)->x(), 120);
}

TEST(QGrid, ScrollsOnlyWhenScrollable)
{
    QGrid scrolling(40, { .columns = 4 }, [](int) { return fixedCell(40, 60); });
    ASSERT_NE(scrolling.scrollArea(), nullptr);
    EXPECT_TRUE(scrolling.isScrollable());
    EXPECT_EQ(scrolling.scrollArea()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(scrolling.scrollArea()->widget(), scrolling.contentWidget());

    scrolling.resize(300, 200);
    scrolling.show();
    QScrollBar* bar = scrolling.scrollArea()->verticalScrollBar();
    // Ten rows of 60 plus gaps do not fit in 200: the content scrolls.
    ASSERT_TRUE(waitUntil([&] { return bar->maximum() > 0; }));
    EXPECT_EQ(scrolling.contentWidget()->height(), 10 + 10 * 60 + 9 * 10 + 10);

    QGrid indicators(1, { .columns = 1, .showScrollIndicators = true }, [](int) { return fixedCell(10, 10); });
    EXPECT_EQ(indicators.scrollArea()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    QGrid fixed(4, { .columns = 4, .isScrollable = false }, [](int) { return fixedCell(40, 60); });
    EXPECT_FALSE(fixed.isScrollable());
    EXPECT_EQ(fixed.scrollArea(), nullptr);
    EXPECT_EQ(fixed.findChild<QScrollArea*>(), nullptr);
    EXPECT_EQ(fixed.contentWidget()->parentWidget(), &fixed);
}

TEST(QGrid, AGridOfUniformRowsBuildsOnlyTheCellsNearItsViewportWhereTheColumnLayoutPutsThem)
{
    QGridOptions options { .columns = 4, .vSpacing = 12, .hSpacing = 0 };
    QGrid eager(8, options, [](int) { return fixedCell(161, 161); });
    options.uniformRowHeight = 161;
    int built = 0;
    QGrid lazy(2000, options, [&](int) {
        ++built;
        return fixedCell(161, 161);
    });
    EXPECT_TRUE(lazy.buildsOnlyNearCells());
    for (QGrid* grid : { &eager, &lazy }) {
        grid->resize(720, 500);
        grid->show();
    }
    ASSERT_TRUE(waitUntil([&] { return eager.cell(7)->y() > 0 && lazy.cell(7) && lazy.cell(7)->y() > 0; }));
    for (int i : { 0, 3, 4, 7 })
        EXPECT_EQ(lazy.cell(i)->geometry(), eager.cell(i)->geometry()) << i;
    EXPECT_EQ(lazy.cellCount(), 2000);
    EXPECT_EQ(lazy.contentWidget()->height(), 10 + 500 * 161 + 499 * 12 + 10);
    EXPECT_LE(built, 48) << "two screenfuls of rows at most, not the whole list";
    EXPECT_EQ(lazy.cell(1999), nullptr);

    QScrollBar* bar = lazy.scrollArea()->verticalScrollBar();
    bar->setValue(bar->maximum());
    ASSERT_NE(lazy.cell(1999), nullptr);
    EXPECT_EQ(lazy.cell(1999)->geometry(), QRect(10 + 3 * 175 + 7, 10 + 499 * (161 + 12), 161, 161));
    EXPECT_EQ(lazy.cell(0), nullptr);
    pumpEvents(50);
    EXPECT_LE(lazy.contentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 48)
        << "cells that scrolled away are deleted";
    bar->setValue(0);
    EXPECT_EQ(lazy.cell(0)->geometry(), eager.cell(0)->geometry());
}

TEST(QGrid, ACellMayRebuildTheGridFromItsOwnClick)
{
    QGrid* grid = nullptr;
    int builds = 0;
    const QGrid::CellBuilder builder = [&](int) {
        ++builds;
        auto* button = new QPushButton("reload");
        QObject::connect(button, &QPushButton::clicked, button, [&] { grid->setCells(2, builder); });
        return button;
    };
    QGrid owner(3, { .columns = 3 }, builder);
    grid = &owner;
    owner.resize(300, 100);
    owner.show();

    auto* first = qobject_cast<QPushButton*>(owner.cell(0));
    QPointer<QPushButton> watched(first);
    first->click();
    EXPECT_EQ(owner.cellCount(), 2);
    EXPECT_EQ(builds, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
    EXPECT_TRUE(owner.cell(1)->isVisible());
}

TEST(QGrid, AMissingCellKeepsThePlacesOfTheOthers)
{
    QGrid grid(3, { .columns = 3 }, [](int index) { return index == 1 ? nullptr : fixedCell(20, 20); });
    EXPECT_EQ(grid.cellCount(), 3);
    EXPECT_NE(grid.cell(1), nullptr);
}

TEST(QGrid, LooksRight)
{
    QWidget window;
    window.setFixedSize(720, 400);
    window.setStyleSheet("background: #1E1E1E;");
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGrid(7, { .columns = 4, .vSpacing = 12, .hSpacing = 0 }, [](int index) {
        auto* cell = new QWidget;
        cell->setFixedSize(161, 161);
        cell->setStyleSheet(QString("background: hsv(%1, 160, 220);").arg(index * 45));
        return cell;
    });
    layout->addWidget(grid);
    window.show();
    ASSERT_TRUE(waitUntil([&] { return grid->cell(6)->y() > 0; }));
    const QImage image = window.grab().toImage();
    saveSnapshot(&window, "grid");
    EXPECT_EQ(pixelAt(image, { 12, 12 }), QColor(0x1E, 0x1E, 0x1E)); // padding
    EXPECT_NE(pixelAt(image, { 20, 20 }), QColor(0x1E, 0x1E, 0x1E)); // first cell
    EXPECT_EQ(pixelAt(image, { 700, 250 }), QColor(0x1E, 0x1E, 0x1E)); // past the partial row
}
