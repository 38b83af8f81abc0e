// What every form of the factory shows and does alike, form by form: the pen of each outline
// over its pictures and the picture's lettering it keeps clear of, the FPGA vendor's logo, the
// outlines no operation touches, the button that Enter presses and the beep of Generate with
// the left Ctrl key held.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "FormFixture.h"
#include "core/model/MainBoard.h"
#include "core/shell/BoardForm.h"
#include "core/shell/FormLayout.h"
#include "core/shell/Pictures.h"
#include "core/shell/UnitMain.h"
#include "platform/Environment.h"

namespace {

using Names = std::vector<std::string>;

struct FormCase {
    const char* board;
    uint8_t id;
    int solidPen;      // the width of every solid outline; 0: the form has none
    Names dotted;      // yellow, dotted, one pixel wide
    Names aqua;        // solid, aqua in place of yellow
    Names lime;        // solid, lime in place of yellow
    // Outlines that no operation touches: those that mark a part of the board show over its
    // picture from the start; those that mark nothing we know of are built but never show,
    // unless their layout puts them beneath the picture.
    Names idle;
    Names unplaced;
    Names beneath;
    bool vendorLogo;   // the FPGA family's mark in ImageAltera
    const char* defaultButton;
    bool ctrlBeep;     // Generate with the left Ctrl key held beeps
};

const Names kWistrellHps = {"ShapeHPS",          "ShapeHpsDDR3", "ShapeHpsEthernet", "ShapeHpsSdcard",   "ShapeHpsUsb",
                            "ShapeHpsUart",      "ShapeHpsLTC",  "ShapeHpsLCD",      "ShapeHpsLedButton"};
const Names kNobrechtDotted = {"ShapeOSC", "ShapeTemp", "ShapePower", "ShapeSi5340B"};
const Names kIdrenneLime = {"ShapeFmc1V8", "ShapeFmc1V5", "ShapeFmc1V2", "Shape7", "Shape8"};
const Names kUlvarinUnplaced = {"ShapeKelpin23", "ShapeGpio1V5", "Shape1", "Shape2", "Shape7", "Shape8"};
const Names kYastrelDotted = {"ShapeSDCARD", "ShapeEEPROM", "ShapeCurrent", "ShapeExtPLL2"};

const FormCase kForms[] = {
    {"Harnix", MAINBOARD_Harnix, 4, {"ShapeLCD"}, {}, {}, {}, {}, {}, true, nullptr, false},
    {"Fennick", MAINBOARD_Fennick, 4, {}, {}, {}, {}, {}, {}, true, nullptr, false},
    {"Mirrow", MAINBOARD_Mirrow, 3, {}, {}, {}, {}, {}, {}, false, nullptr, false},
    {"Pellish", MAINBOARD_Pellish, 4, {"Shape1"}, {}, {}, {}, {"Shape1"}, {}, true, nullptr, false},
    {"Kavrin", MAINBOARD_Kavrin, 3, {}, {}, {}, {}, {}, {}, true, "ButtonExit", false},
    {"Orlenn", MAINBOARD_Orlenn, 3, {}, {}, {}, {}, {}, {}, true, nullptr, false},
    {"Yastrel_X2", MAINBOARD_Yastrel_X2, 3, {"Shape1"}, {}, {}, {}, {"Shape1"}, {}, true, nullptr, false},
    {"Yastrel_X1", MAINBOARD_Yastrel_X1, 3, kYastrelDotted, {}, {}, {}, {}, {}, true, "ButtonExit", false},
    {"Corbanth", MAINBOARD_Corbanth, 3, {}, {}, {}, {}, {}, {}, false, "ButtonExit", false},
    {"Ruskel", MAINBOARD_Ruskel, 3, {}, {}, {}, {}, {}, {}, false, nullptr, false},
    {"Wembrel", MAINBOARD_Wembrel, 3, {}, {}, {}, {}, {}, {}, false, nullptr, false},
    {"Pandrel", MAINBOARD_Pandrel, 3, {}, {}, {}, {}, {}, {}, true, "ButtonExit", false},
    {"Gorvath", MAINBOARD_Gorvath, 3, {}, {}, {}, {}, {}, {}, true, "ButtonExit", false},
    {"Ashvorn", MAINBOARD_Ashvorn, 3, {}, {}, {}, {}, {}, {}, true, "ButtonExit", false},
    {"Morrast", MAINBOARD_Morrast, 2, {"ShapeTemp", "ShapeQDRII_B", "ShapeQDRII_D", "ShapeSi570"}, {}, {}, {}, {}, {},
     false, "ButtonExit", false},
    {"Sarnoth", MAINBOARD_Sarnoth, 2, {"ShapeOSC", "ShapeTemp", "ShapeSi570", "ShapeCdcm61001"}, {}, {}, {}, {}, {},
     false, "ButtonExit", false},
    {"Brindell", MAINBOARD_Brindell, 0, {}, {}, {}, {}, {}, {}, false, nullptr, false},
    {"Cresswin", MAINBOARD_Cresswin, 3, {"ShapeTemp"}, {}, {}, {}, {}, {}, true, "ButtonExit", false},
    {"Jorvale", MAINBOARD_Jorvale, 3, {"Shape1"}, {}, {}, {"ShapeEPCQ", "ShapeEEPROM"}, {"Shape1"}, {}, false,
     "ButtonExit", false},
    {"Plimmet", MAINBOARD_Plimmet, 3, {"ShapeKelpin23"}, {}, {}, {"ShapeS1S2", "ShapeDipSwitch"}, {"ShapeKelpin23"}, {},
     true, "ButtonExit", true},
    {"Glenmarch", MAINBOARD_Glenmarch, 3, {"Shape1", "Shape2"}, {"ShapeHPS"}, {}, {}, {"Shape1", "Shape2"}, {}, true,
     nullptr, false},
    {"Wistrell", MAINBOARD_Wistrell, 3, {"Shape1"}, kWistrellHps, {}, {}, {"Shape1"}, {}, true, nullptr, true},
    {"Kestwin", MAINBOARD_Kestwin, 3, {"ShapeKelpin23"}, {}, {}, {}, {}, {"ShapeKelpin23"}, true, nullptr, false},
    {"Lumbrae", MAINBOARD_Lumbrae, 3, {"ShapeKelpin23"}, {}, {}, {}, {}, {"ShapeKelpin23"}, false, nullptr, false},
    {"Ebbrick", MAINBOARD_Ebbrick, 3, {"Shape1"}, {}, {}, {}, {"Shape1"}, {}, true, nullptr, true},
    {"Tamblin", MAINBOARD_Tamblin, 3, {}, {}, {}, {}, {}, {}, true, nullptr, true},
    {"Nobrecht", MAINBOARD_Nobrecht, 2, kNobrechtDotted, {}, {}, {}, {}, {}, false, "ButtonExit", false},
    {"Dravelle", MAINBOARD_Dravelle, 2, kNobrechtDotted, {}, {}, {}, {}, {}, false, "ButtonExit", false},
    {"Pocklin", MAINBOARD_Pocklin, 3, {}, {}, {}, {}, {"ShapeADC"}, {}, true, nullptr, true},
    {"Vellani", MAINBOARD_Vellani, 3, {}, {}, {}, {}, {}, {}, false, "ButtonExit", false},
    {"Pressel", MAINBOARD_Pressel, 3, {"ShapeKelpin23"}, {}, {}, {}, {"ShapeKelpin23"}, {}, true, nullptr, false},
    {"Abernoll", MAINBOARD_Abernoll, 2, {"ShapeOSC", "ShapeTemp", "ShapePower"}, {}, {}, {}, {}, {}, false,
     "ButtonExit", false},
    {"Ulvarin", MAINBOARD_Ulvarin, 3, {"ShapeKelpin23"}, {}, {}, {"ShapeEPCQ"}, kUlvarinUnplaced, {}, false, nullptr,
     false},
    {"Idrenne", MAINBOARD_Idrenne, 3, {}, {}, kIdrenneLime, {"Shape7", "Shape8"}, {}, {}, false, nullptr, false},
    {"Tiverne", MAINBOARD_Tiverne, 3, {}, {}, {}, {}, {}, {}, false, nullptr, false},
    {"Lothvar", MAINBOARD_Lothvar, 0, {"Shape1"}, {}, {}, {}, {"Shape1"}, {}, true, nullptr, false},
    {"Quimbel", MAINBOARD_Quimbel, 3, {"ShapeDDR2_1", "ShapeDDR2_2"}, {}, {}, {}, {}, {}, true, "ButtonExit", false},
};

// A failure names the board, not the row's bytes.
void PrintTo(const FormCase& c, std::ostream* os) { *os << c.board; }

const QColor kYellow{0xFF, 0xE0, 0x00};
const QColor kAquaColour{0x00, 0xFF, 0xFF};
const QColor kLimeColour{0x00, 0xFF, 0x00};

bool Holds(const Names& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

class EveryForm : public BoardFormFixture<QWidget>, public ::testing::WithParamInterface<FormCase> {};

}  // namespace

// The table speaks for every form the factory makes, and for no other.
TEST(EveryFormTable, CoversTheFactory)
{
    std::set<int> registered;
    for (const BoardFormRow& row : BoardFormTable()) registered.insert(row.id);
    std::set<int> listed;
    for (const FormCase& form : kForms) EXPECT_TRUE(listed.insert(form.id).second) << form.board;
    EXPECT_EQ(listed, registered);
}

// Each outline has its pen: yellow, aqua or lime with the form's own width, or yellow, dotted
// and one pixel wide; each named outline exists.
TEST_P(EveryForm, OutlinesHaveThePenTheirLayoutGives)
{
    const FormCase& c = GetParam();
    Open(c.id);
    std::map<std::string, const formlayout::TShape*> shapes;
    // The controls carry no meta-object of their own: findChildren alone would take every widget.
    for (const QWidget* control : form->findChildren<QWidget*>())
        if (const auto* shape = dynamic_cast<const formlayout::TShape*>(control))
            shapes[shape->objectName().toStdString()] = shape;
    for (const Names* names : {&c.dotted, &c.aqua, &c.lime, &c.idle, &c.unplaced, &c.beneath})
        for (const std::string& name : *names) EXPECT_TRUE(shapes.count(name)) << name;

    for (const auto& [name, shape] : shapes) {
        SCOPED_TRACE(name);
        // An outline with a place lies over a picture beside it, never on its own among the settings.
        const formlayout::Rect none = formlayout::kNoPlace;
        if (shape->geometry() != QRect(none.left, none.top, none.width, none.height)) {
            bool overPicture = false;
            for (const QObject* sibling : shape->parentWidget()->children())
                if (const auto* picture = dynamic_cast<const formlayout::TImage*>(sibling))
                    overPicture = overPicture || picture->geometry().intersects(shape->geometry());
            EXPECT_TRUE(overPicture);
        }
        if (Holds(c.dotted, name)) {
            EXPECT_EQ(shape->PenStyle(), Qt::DotLine);
            EXPECT_EQ(shape->PenWidth(), 1);
            EXPECT_EQ(shape->Colour(), kYellow);
            continue;
        }
        EXPECT_EQ(shape->PenStyle(), Qt::SolidLine);
        EXPECT_EQ(shape->PenWidth(), c.solidPen);
        EXPECT_EQ(shape->Colour(), Holds(c.aqua, name) ? kAquaColour : Holds(c.lime, name) ? kLimeColour : kYellow);
    }
}

// No outline that may show over a picture runs through the picture's lettering: it holds each
// text whole or keeps clear of it. Every picture under an outline prints some text (a board's
// parts are labelled), so none found means the picture was not seen being drawn.
TEST_P(EveryForm, NoOutlineCrossesThePicturesLettering)
{
    const FormCase& c = GetParam();
    const pictures::LetteringRecorder lettering;
    Open(c.id);
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        const auto* image = dynamic_cast<const formlayout::TImage*>(label);
        if (!image || image->pixmap().isNull()) continue;
        SCOPED_TRACE(image->objectName().toStdString());
        // The picture lies centred in its frame; its texts in the frame's parent's coordinates.
        const QPixmap picture = image->pixmap();
        const QPointF at = image->geometry().topLeft() +
                           QPointF(image->width() - picture.width(), image->height() - picture.height()) / 2;
        std::vector<QRectF> texts;
        for (const QRectF& text : lettering.Lettering(picture)) texts.push_back(text.translated(at));

        bool outlined = false;
        const QObjectList& stack = image->parentWidget()->children();
        for (const QObject* sibling : stack) {
            const auto* shape = dynamic_cast<const formlayout::TShape*>(sibling);
            if (!shape || stack.indexOf(shape) < stack.indexOf(image) ||
                Holds(c.unplaced, shape->objectName().toStdString()))
                continue;
            const QRectF outline(shape->geometry());
            if (!outline.intersects(QRectF(image->geometry()))) continue;
            outlined = true;
            for (const QRectF& text : texts)
                EXPECT_TRUE(outline.contains(text) || !outline.intersects(text))
                    << shape->objectName().toStdString() << " crosses the text at (" << text.left() << ", "
                    << text.top() << ", " << text.width() << " x " << text.height() << ")";
        }
        if (outlined) EXPECT_FALSE(texts.empty());
    }
}

// Of the outlines no operation touches, those that mark a part of the board show over the board
// picture from the start, and those that mark nothing we know of never show: hidden, or beneath
// the picture where the layout puts them. The vendor's logo is there where the form's layout
// has it.
TEST_P(EveryForm, IdleOutlinesAndTheVendorsLogoShowWhereTheLayoutSays)
{
    const FormCase& c = GetParam();
    Open(c.id);
    // Where a sibling of the board picture lies in its stack: above it (later) or beneath it.
    auto overPicture = [&](const std::string& name) {
        const QWidget* shape = Get(name.c_str());
        const QWidget* picture = Get("ImageBoard");
        EXPECT_EQ(shape->parentWidget(), picture->parentWidget());
        EXPECT_TRUE(picture->geometry().intersects(shape->geometry()));
        const QObjectList& stack = picture->parentWidget()->children();
        return stack.indexOf(shape) > stack.indexOf(picture);
    };
    for (const std::string& name : c.idle) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Get(name.c_str())->isVisibleTo(form));
        EXPECT_TRUE(overPicture(name));
    }
    for (const std::string& name : c.unplaced) EXPECT_FALSE(Get(name.c_str())->isVisibleTo(form)) << name;
    for (const std::string& name : c.beneath) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(overPicture(name));
        EXPECT_TRUE(Get("ImageBoard")->geometry().contains(Get(name.c_str())->geometry()));
    }
    const auto* logo = form->findChild<QLabel*>(QStringLiteral("ImageAltera"));
    EXPECT_EQ(logo != nullptr && logo->isVisibleTo(form) && !logo->pixmap().isNull(), c.vendorLogo);
}

// The form's default button, and Enter in the project name pressing it (on the forms whose
// buttons act at all).
TEST_P(EveryForm, EnterPressesTheDefaultButton)
{
    const FormCase& c = GetParam();
    Open(c.id);
    std::vector<std::string> defaults;
    for (const QPushButton* button : form->findChildren<QPushButton*>())
        if (button->isDefault()) defaults.push_back(button->objectName().toStdString());
    EXPECT_EQ(defaults, c.defaultButton ? Names{c.defaultButton} : Names{});

    if (!dynamic_cast<TBoardForm*>(form)) return;
    std::vector<std::unique_ptr<QSignalSpy>> clicks;
    std::vector<std::string> names;
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        clicks.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
        names.push_back(button->objectName().toStdString());
    }
    Edit("EditProjectName")->setFocus();
    QTest::keyClick(Edit("EditProjectName"), Qt::Key_Return);
    Names pressed;
    for (std::size_t i = 0; i < clicks.size(); ++i)
        if (!clicks[i]->isEmpty()) pressed.push_back(names[i]);
    EXPECT_EQ(pressed, c.defaultButton ? Names{c.defaultButton} : Names{});
}

// Generate with the left Ctrl key held beeps on the forms that say so, before the project
// dialog (cancelled here, so nothing is written).
TEST_P(EveryForm, CtrlGenerateBeepsWhereTheFormSaysSo)
{
    const FormCase& c = GetParam();
    Open(c.id);
    platform::SetCtrlDownProvider([] { return true; });
    const int beeps = platform::BeepCount();
    if (auto* generate = form->findChild<QPushButton*>(QStringLiteral("ButtonGen"))) generate->click();
    EXPECT_EQ(platform::BeepCount() - beeps, c.ctrlBeep ? 1 : 0);
    if (c.ctrlBeep) EXPECT_EQ(dialogs.FileDialogs().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Forms, EveryForm, ::testing::ValuesIn(kForms),
                         [](const ::testing::TestParamInfo<FormCase>& info) { return std::string(info.param.board); });
