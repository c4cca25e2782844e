// The editor module: where the application finds it, and its entry.

#include "globals/EditorModule.h"

#include "app/LinkedEditor.h"

#include <QFileInfo>
#include <QLibrary>
#include <gtest/gtest.h>

namespace {

TEST(EditorModuleTest, AProgramThatLinksTheEditorUsesItsOwn)
{
    EXPECT_EQ(EditorModule::load(), linkedEditor());
}

TEST(EditorModuleTest, TheModuleLiesInTheLibraryFolderAndHandsOutAnEditor)
{
    const QString path = EditorModule::modulePath();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/lib/tessaly/libtessaly_editor_module.so"))) << path.toStdString();
    ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    QLibrary module(path);
    const auto entry = reinterpret_cast<EditorModuleEntry>(module.resolve(editorModuleEntryName));
    ASSERT_NE(entry, nullptr) << module.errorString().toStdString();
    EXPECT_NE(entry(), nullptr);
    // The module's copy, loaded beside the program's own, takes nothing over.
    EXPECT_EQ(EditorModule::load(), linkedEditor());
}

} // namespace
