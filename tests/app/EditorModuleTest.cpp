// The editor module, loaded as the program loads it: from the library
// folder beside the program's, through its one entry.

#include "globals/EditorModule.h"

#include <QFileInfo>
#include <QLibrary>
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

} // namespace
