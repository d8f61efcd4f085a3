#include "TempFolder.h"

#include "shell/SingleInstance.h"

#include <gtest/gtest.h>

using namespace remitto;

TEST(SingleInstance, SecondCopyIsRefusedUntilFirstEnds)
{
    remitto::test::TempFolder dir;
    const QString lock = dir.file(QStringLiteral("remitto.lock"));
    auto first = std::make_unique<SingleInstance>(lock);
    ASSERT_TRUE(first->acquire());
    SingleInstance second(lock);
    EXPECT_FALSE(second.acquire());
    first.reset();
    EXPECT_TRUE(second.acquire());
}
