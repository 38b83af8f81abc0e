#include <gtest/gtest.h>
#include <vector>

#include "platform/Resources.h"
#include "platform/qt/Jpeg.h"

TEST(Jpeg, DecodesTheEmbeddedLogo)
{
    auto logo = platform::FindResource("varnholt_logo");
    ASSERT_TRUE(logo);
    QImage image = platform::qt::DecodeJpeg(*logo);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(130, 46));
    // The mark on the left is red, the background the form's colour.
    QColor mark = image.pixelColor(20, 10);
    EXPECT_GT(mark.red(), 150);
    EXPECT_LT(mark.green(), 110);
    QColor background = image.pixelColor(128, 44);
    EXPECT_NEAR(background.red(), 0xEB, 8);
    EXPECT_NEAR(background.blue(), 0xED, 8);
}

// Bytes that are no JPEG, or a JPEG cut short, never end the program.
TEST(Jpeg, BrokenBytesGiveNoPictureOrAPartialOne)
{
    EXPECT_TRUE(platform::qt::DecodeJpeg({}).isNull());
    const std::vector<unsigned char> garbage(300, 0x5A);
    EXPECT_TRUE(platform::qt::DecodeJpeg(garbage).isNull());

    auto logo = platform::FindResource("VARNHOLT_LOGO");
    ASSERT_TRUE(logo);
    for (std::size_t keep : {std::size_t{2}, std::size_t{20}, logo->size() / 2, logo->size() - 2}) {
        QImage image = platform::qt::DecodeJpeg(logo->first(keep));
        if (!image.isNull()) EXPECT_EQ(image.size(), QSize(130, 46)) << keep;
    }
}
