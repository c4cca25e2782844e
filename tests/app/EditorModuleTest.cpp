// The editor module, loaded as the program loads it: from the library
// folder beside the program's, through its one entry.

#include "globals/EditorModule.h"

#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "globals/EditorModuleLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(EditorModuleTest, TheProgramLoadsTheModuleFromItsLibraryFolder)
{
    const QString path = EditorModule::modulePath();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/lib/tessaly/libtessaly_editor_module.so"))) << path.toStdString();
    ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    EditorModuleInterface* loaded = EditorModule::load();
    ASSERT_NE(loaded, nullptr);
    QLibrary module(path);
    const auto entry = reinterpret_cast<EditorModuleEntry>(module.resolve(editorModuleEntryName));
    ASSERT_NE(entry, nullptr) << module.errorString().toStdString();
    EXPECT_EQ(entry(), loaded) << "the program holds the module's one editor";
    EXPECT_EQ(EditorModule::load(), loaded) << "loaded once";
}

TEST(EditorModuleTest, AModuleThatCannotLoadLeavesTheEditorClosedWithAToastAndItsPathInTheLog)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString notALibrary = folder.filePath(QStringLiteral("libtessaly_editor_module.so"));
    QFile file(notALibrary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a shared object");
    file.close();
    const QString missing = folder.filePath(QStringLiteral("gone/libtessaly_editor_module.so"));

    const struct {
        QString path;
        QString logged;
    } cases[] = {
        { missing, QStringLiteral("The editor could not be loaded: not found: ") + missing },
        { notALibrary, QStringLiteral("The editor could not be loaded: Cannot load library ") + notALibrary },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QStringList toasts;
        rx::DisposeBag bag;
        subscribeEvent<ContentViewEventBus::ToastEvent>(
            bag, [&](const ContentViewEventBus::ToastEvent& toast) { toasts << toast.text; });
        EditorModuleLoader loader(c.path, nullptr);

        testing::internal::CaptureStdout();
        loader.open(DesignId(7), QString(), false);
        const QString log = QString::fromStdString(testing::internal::GetCapturedStdout());

        EXPECT_EQ(toasts.join(u'\n').toStdString(), "The editor could not be opened.");
        EXPECT_TRUE(log.contains(c.logged)) << log.toStdString();
        EXPECT_EQ(loader.load(), nullptr) << "no editor to open the design in";
    }
}

} // namespace
