#include <QAbstractButton>
#include <QMessageBox>
#include <QPainter>
#include <gtest/gtest.h>
#include <stdexcept>

#include "FormFixture.h"
#include "platform/Dialogs.h"
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

// The boxes read their texts as UTF-8: a folder named beyond Latin-1 shows as it is.
TEST(QtPlatform, BoxesShowTheirTextAsUtf8)
{
    const std::string text = "caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC";
    const QString expected = QString::fromUtf8("caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC");
    auto shown = [](QString& into) {
        return [&into](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            into = box->text();
            box->button(QMessageBox::Ok)->click();
        };
    };
    QString message, exception;
    WithModal(shown(message), [&] { platform::ErrorBox(text + "\r\n" + text); });
    EXPECT_EQ(message, expected + "\n" + expected);
    WithModal(shown(exception), [&] { platform::ExceptionBox(std::runtime_error(text)); });
    EXPECT_EQ(exception, expected);
}
