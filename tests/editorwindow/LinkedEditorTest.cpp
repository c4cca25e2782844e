// A program that links the editor itself (tests, tools) uses it, and never
// loads the module beside it.

#include "app/LinkedEditor.h"

#include "globals/EditorModule.h"

#include <gtest/gtest.h>

TEST(LinkedEditorTest, AProgramThatLinksTheEditorUsesItsOwn)
{
    EXPECT_EQ(EditorModule::load(), linkedEditor());
}
