#include <gtest/gtest.h>

#include "platform/FreeFormatReader.h"

using namespace pekuru;

TEST(FreeFormatSmoke, ReadsTwoValues) {
    FreeFormatReader in(QByteArray("1,\"a\"\r\n"), QStringLiteral("x.txt"));
    EXPECT_EQ(in.readInt16(), 1);
    EXPECT_EQ(in.readText(), QStringLiteral("a"));
    EXPECT_TRUE(in.atEnd());
}
