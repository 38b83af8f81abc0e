#include <QPainter>
#include <gtest/gtest.h>

#include "platform/qt/QtPlatform.h"

using namespace platform::qt;

TEST(QtPlatform, BitmapsAreFoundIgnoringCase)
{
    RegisterBitmap("Test_80_BITMAP", [] {
        QPixmap p(80, 60);
        p.fill(Qt::red);
        return p;
    });
    EXPECT_TRUE(HasBitmap("test_80_bitmap"));
    QPixmap p = LoadBitmap("TEST_80_BITMAP");
    ASSERT_FALSE(p.isNull());
    EXPECT_EQ(p.size(), QSize(80, 60));
    EXPECT_TRUE(LoadBitmap("missing").isNull());
}

TEST(QtPlatform, Latin1TextSurvivesTheRoundTrip)
{
    std::string bytes;
    for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
    EXPECT_EQ(ToLatin1(FromLatin1(bytes)), bytes);
}
