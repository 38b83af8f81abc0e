#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "FormFixture.h"
#include "HangGuard.h"
#include "boards/cyclone5_max10/UI_ULVARIN.h"
#include "core/settings/IniFile.h"
#include "core/shell/Application.h"
#include "core/shell/UI_Selector.h"
#include "core/shell/UnitMain.h"
#include "platform/Errors.h"
#include "platform/qt/QtPlatform.h"

namespace fs = std::filesystem;

namespace {

// The INI file the program writes for the board `value`.
std::string IniText(const std::string& value) { return "[Pinwright]\r\nMainBoard=" + value + "\r\n"; }

void WriteIni(const std::string& path, const std::string& value)
{
    std::ofstream(path, std::ios::binary) << IniText(value);
}

// The file's text when it is a small regular file; a huge one is not read into memory.
std::string SmallFileText(const std::string& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) > 4096) return "(no small file)";
    return tooltest::ReadFile(path);
}

// A user's INI with a section of notes, larger than the program reads.
std::string LargeIniText()
{
    return "[Notes]\r\n" + std::string(kIniMaxSize, ';') + "\r\n[Pinwright]\r\nMainBoard=5\r\n";
}

}  // namespace

class StartUp : public GuiTest, public ::testing::WithParamInterface<const char*> {};

// Whatever the INI file holds, the application opens on the Ulvarin form, sized and centred
// by it, and writes 34 when the main window goes.
TEST_P(StartUp, OpensTheUlvarinFormAndLeavesUlvarinInTheIni)
{
    const std::string value = GetParam();
    std::string ini = TFormMain::IniFileName();
    EXPECT_EQ(ini, dir.Path() + "gui_tests.INI");
    if (value != "none") WriteIni(ini, value);
    {
        TFormMain main;
        EXPECT_EQ(FormMain, &main);
        EXPECT_EQ(main.CurrentBoardId, 34);
        ASSERT_NE(dynamic_cast<TFormUlvarin*>(main.BoardForm()), nullptr);
        EXPECT_EQ(main.BoardForm()->parentWidget(), &main);
        EXPECT_EQ(main.BoardForm()->pos(), QPoint(0, 0));
        EXPECT_EQ(main.size(), QSize(789, 536));
        QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(main.pos(), QPoint((screen.width() - 789) / 2, (screen.height() - 536) / 2));
        EXPECT_EQ(main.windowTitle().toStdString(), "Ulvarin V1.0.1");
        // Nothing is written before the main window goes.
        EXPECT_EQ(fs::exists(ini), value != "none");
        if (value != "none") EXPECT_EQ(SmallFileText(ini), IniText(value));
    }
    EXPECT_EQ(FormMain, nullptr);
    EXPECT_EQ(SmallFileText(ini), IniText("34"));
    EXPECT_TRUE(dialogs.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(IniValues, StartUp, ::testing::Values("none", "5", "290"));

class Shell : public GuiTest {};

TEST_F(Shell, IniKeepsTheLowByteAndIgnoresWhatItCannotRead)
{
    TFormMain main;
    const std::string ini = TFormMain::IniFileName();
    struct Case {
        const char* text;  // nullptr: no INI file
        int expected;
    };
    const Case cases[] = {{"290", 34}, {"5", 5}, {"-1", 255}, {"junk", 0}, {nullptr, 77}};
    for (const Case& c : cases) {
        platform::DeleteFile(ini);
        if (c.text) WriteIni(ini, c.text);
        main.CurrentBoardId = 77;
        main.LoadIni();
        EXPECT_EQ(main.CurrentBoardId, c.expected) << (c.text ? c.text : "no file");
    }
    main.CurrentBoardId = 34;
    main.SaveIni();
    EXPECT_EQ(SmallFileText(ini), IniText("34"));
}

// Whatever stands at the INI's path or beside it, start-up and exit return: a pipe is neither
// waited on nor replaced, no lock file is taken, and a file too large to read is left as it is.
TEST_F(Shell, StartUpAndExitReturnWhateverStandsAtTheIniPath)
{
    const std::string ini = TFormMain::IniFileName();
    struct Case {
        const char* what;
        void (*make)(const std::string& ini);
        void (*check)(const std::string& ini);
    };
    const Case cases[] = {
        {"a pipe at the INI's path", [](const std::string& ini) { ASSERT_EQ(::mkfifo(ini.c_str(), 0644), 0); },
         [](const std::string& ini) { EXPECT_TRUE(fs::is_fifo(ini)); }},
        {"a folder at the INI's lock file", [](const std::string& ini) { fs::create_directory(ini + ".lock"); },
         [](const std::string& ini) {
             EXPECT_TRUE(fs::is_directory(ini + ".lock"));
             EXPECT_EQ(SmallFileText(ini), IniText("34"));
         }},
        {"a sparse INI of 1 TiB",
         [](const std::string& ini) { ASSERT_TRUE(tooltest::MakeSparseFile(ini, off_t{1} << 40)); },
         [](const std::string& ini) {
             struct stat st {};
             ASSERT_EQ(::stat(ini.c_str(), &st), 0);
             EXPECT_EQ(st.st_size, off_t{1} << 40);
             EXPECT_EQ(st.st_blocks, 0);
         }},
        {"an INI larger than the program reads, with a user's section",
         [](const std::string& ini) { std::ofstream(ini, std::ios::binary) << LargeIniText(); },
         [](const std::string& ini) { EXPECT_TRUE(tooltest::ReadFile(ini) == LargeIniText()); }},
        {"an INI that starts with a byte-order mark",
         [](const std::string& ini) {
             std::ofstream(ini, std::ios::binary) << "\xEF\xBB\xBF[Pinwright]\r\nMainBoard=5\r\n[Notes]\r\nA=1\r\n";
         },
         [](const std::string& ini) {
             EXPECT_EQ(SmallFileText(ini), "\xEF\xBB\xBF[Pinwright]\r\nMainBoard=34\r\n[Notes]\r\nA=1\r\n");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::error_code ec;
        fs::remove_all(ini, ec);
        fs::remove_all(ini + ".lock", ec);
        c.make(ini);
        {
            HangGuard guard(c.what);
            TFormMain main;
            EXPECT_NE(dynamic_cast<TFormUlvarin*>(main.BoardForm()), nullptr);
        }
        c.check(ini);
        EXPECT_FALSE(fs::is_regular_file(ini + ".lock"));
    }
    EXPECT_TRUE(dialogs.Boxes().empty());
}

TEST_F(Shell, CardPicturesComeFromTheTableAndCardNoneHidesTheImage)
{
    QLabel image;
    image.resize(124, 80);
    image.show();
    TFormMain::ShowDaughterPicture(&image, 1);
    EXPECT_TRUE(image.isVisible());
    EXPECT_EQ(image.pixmap().toImage(), platform::qt::LoadBitmap("GPIO_80_BITMAP").toImage());
    // A smaller frame takes the whole picture scaled down, not a piece of it.
    image.resize(62, 62);
    TFormMain::ShowDaughterPicture(&image, 1);
    EXPECT_EQ(image.pixmap().size(), QSize(62, 40));
    TFormMain::ShowDaughterPicture(&image, 0);
    EXPECT_FALSE(image.isVisible());

    EXPECT_EQ(TFormMain::DaughterBitmapName(0), "");
    EXPECT_EQ(TFormMain::DaughterBitmapName(44), "FMC_HPC_ALTERA_STD_80_BITMAP");
    EXPECT_EQ(TFormMain::DaughterBitmapName(93), "HSMC_3V0_DEFAULT_80_BITMAP");
    EXPECT_EQ(CardPictureTable().size(), 88u);
    for (uint8_t id : {9, 38, 39, 75, 81, 94, 128, 255})
        EXPECT_THROW(TFormMain::DaughterBitmapName(id), platform::InternalError) << int(id);
}

TEST_F(Shell, EveryPictureTheWindowsNameIsRegistered)
{
    for (const CardPicture& card : CardPictureTable()) {
        QPixmap picture = platform::qt::LoadBitmap(card.bitmap);
        EXPECT_FALSE(picture.isNull()) << card.bitmap;
        EXPECT_EQ(picture.height(), 80) << card.bitmap;
    }
    for (const SelectorEntry& entry : SelectorTable())
        EXPECT_FALSE(platform::qt::LoadBitmap(entry.bitmap).isNull()) << entry.bitmap;
    // The names are found whatever their case.
    EXPECT_FALSE(platform::qt::LoadBitmap("ulvarin_bitmap").isNull());
    QPixmap logo = platform::qt::LoadBitmap(pictures::kMakerLogo);
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), QSize(130, 46));
}

// "Change Main Board" posts its request: the selector runs only after the click handler
// returned, pre-selects the current board, and replaces the form only on OK.
TEST_F(Shell, ChangeMainBoardRunsTheSelectorAfterTheClick)
{
    TFormMain main;
    main.show();
    auto* form = dynamic_cast<TFormUlvarin*>(main.BoardForm());
    ASSERT_NE(form, nullptr);
    QPointer<QWidget> first = form;

    form->ButtonMainBoardSelectClick();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    WithModal(
        [](QWidget* modal) {
            auto* selector = dynamic_cast<TFormBoardSelector*>(modal);
            ASSERT_NE(selector, nullptr);
            EXPECT_EQ(selector->SelectedBoardId(), 34);
            EXPECT_TRUE(selector->findChild<QPushButton*>("ButtonCancel")->isEnabled());
            selector->findChild<QPushButton*>("ButtonCancel")->click();
        },
        [] { QCoreApplication::sendPostedEvents(); });
    EXPECT_EQ(main.BoardForm(), first.data());

    form->ButtonMainBoardSelectClick();
    WithModal([](QWidget* modal) { modal->findChild<QPushButton*>("ButtonOK")->click(); },
              [] { QCoreApplication::sendPostedEvents(); });
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(dynamic_cast<TFormUlvarin*>(main.BoardForm()), nullptr);
    EXPECT_EQ(main.CurrentBoardId, 34);
    EXPECT_EQ(main.size(), QSize(789, 536));
}

TEST_F(Shell, CreateBoardFormForAnIdThatIsNoBoardIsAnInternalError)
{
    TFormMain main;
    for (uint8_t id : {0, 29, 36, 99, 102, 255}) EXPECT_THROW(main.CreateBoardForm(id), platform::InternalError) << int(id);
}

TEST_F(Shell, ExceptionsThatEscapeAreShownInTheExceptionBox)
{
    EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw std::runtime_error("disk on fire"); }));
    EXPECT_TRUE(TApplication::Guarded([]() -> bool { throw 42; }, true));
    EXPECT_TRUE(TApplication::Guarded([] { return true; }));
    EXPECT_FALSE(TApplication::Guarded([]() -> bool {
        PW_CHECK(1 == 2);
        return true;
    }));
    ASSERT_EQ(dialogs.Exceptions().size(), 3u);
    EXPECT_EQ(dialogs.Exceptions()[0], "disk on fire");
    EXPECT_EQ(dialogs.Exceptions()[1], "");
    EXPECT_NE(dialogs.Exceptions()[2].find("1 == 2"), std::string::npos);
}
