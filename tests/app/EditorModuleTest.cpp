// The editor module: where the application finds it, and its entry.

#include "app/EditorModule.h"

#include "app/LinkedEditor.h"

#include <QFileInfo>
#include <QLibrary>
#include <gtest/gtest.h>

namespace {

// This program links the editor itself: the application's editor opener
// uses it rather than loading a second copy from the module.
const bool linkedEditorInUse = (EditorModule::useLinked(linkedEditor()), true);

TEST(EditorModuleTest, TheModuleLiesInTheLibraryFolderAndHandsOutAnEditor)
{
    ASSERT_TRUE(linkedEditorInUse);
    const QString path = EditorModule::modulePath();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/lib/tessaly/libtessaly_editor_module.so"))) << path.toStdString();
    ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    QLibrary module(path);
    const auto entry = reinterpret_cast<EditorModuleEntry>(module.resolve(editorModuleEntryName));
    ASSERT_NE(entry, nullptr) << module.errorString().toStdString();
    EXPECT_NE(entry(), nullptr);
}

} // namespace
