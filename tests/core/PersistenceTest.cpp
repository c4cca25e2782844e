#include "core/Blur.h"
#include "core/PersistenceController.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Persistence, ItemsSurviveReopeningTheStoreOnDisk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store/TessalyDesk.sqlite"));
    const QDateTime stamp = QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC);
    {
        PersistenceController controller(false, path);
        EXPECT_FALSE(controller.container().isInMemory());
        ASSERT_TRUE(controller.container().insert(Item { 0, stamp }));
        ASSERT_TRUE(controller.container().insert(Item { 0, std::nullopt }));
    }
    ASSERT_TRUE(QFile::exists(path));
    PersistenceController reopened(false, path);
    const QList<Item> items = reopened.container().fetch(Item::fetchRequest());
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].timestamp, stamp);
    EXPECT_FALSE(items[1].timestamp);
    EXPECT_LT(items[0].objectId, items[1].objectId);
    EXPECT_TRUE(reopened.container().fetch(ItemFetchRequest { QStringLiteral("Other") }).isEmpty());
}

TEST(Persistence, AStoreThatCannotOpenIsReportedAndReplacedInMemory)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("file"));
    ASSERT_TRUE(writeFile(blocker));

    testing::internal::CaptureStdout();
    PersistenceController controller(false, blocker + QStringLiteral("/TessalyDesk.sqlite"));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(controller.container().isInMemory());
    EXPECT_EQ(log.rfind("Unresolved error ", 0), 0u) << log;
    EXPECT_TRUE(controller.container().lastError().startsWith(QStringLiteral("Unresolved error ")));
    EXPECT_TRUE(controller.container().insert(Item { 0, QDateTime::currentDateTime() }));
    EXPECT_EQ(controller.container().fetch(Item::fetchRequest()).size(), 1);
}

TEST(Persistence, PreviewHoldsTenStampedItemsInMemory)
{
    PersistenceController& preview = PersistenceController::preview();
    EXPECT_TRUE(preview.container().isInMemory());
    const QList<Item> items = preview.container().fetch(Item::fetchRequest());
    ASSERT_EQ(items.size(), 10);
    for (const Item& item : items)
        EXPECT_TRUE(item.timestamp);
    EXPECT_EQ(&preview, &PersistenceController::preview());
    // Two in-memory stores don't share rows.
    PersistenceController other(true);
    EXPECT_TRUE(other.container().fetch(Item::fetchRequest()).isEmpty());
}

TEST(Blur, TintFollowsTheAppearanceName)
{
    Blur blur;
    EXPECT_EQ(blur.styleName(), appearanceNameAqua());
    const QColor light = blur.tint();
    blur.setStyleName(appearanceNameDarkAqua());
    EXPECT_LT(blur.tint().lightness(), light.lightness());
}
