#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "platform/Regional.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"
#include "ui/EditConversions.h"

namespace {

using testing_support::RecordingBoxes;

const QColor kPink(255, 200, 200);
constexpr const char* kIntegerMessage = "Не могу преобразовать в Integer - число";
constexpr const char* kExtendedMessage = "Не могу преобразовать в Extended - число";

QColor Background(const QLineEdit& edit) { return edit.palette().color(QPalette::Base); }
QColor SystemBackground(const QLineEdit& edit) { return QApplication::palette(&edit).color(QPalette::Base); }

struct Case {
    const char* label;
    QString text;
    bool converts;
    long double value;  // when it converts
};

// Texts a user may leave in a box; everything not in the plain notation
// must be refused without touching the target.
std::vector<Case> HostileTexts()
{
    return {
        {"empty", "", false, 0},
        {"minus alone", "-", false, 0},
        {"plus alone", "+", false, 0},
        {"exponent without digits before", "e5", false, 0},
        {"exponent without digits after", "1e", false, 0},
        {"exponent sign alone", "1e+", false, 0},
        {"separator alone", ".", false, 0},
        {"nan", "nan", false, 0},
        {"inf", "inf", false, 0},
        {"hexadecimal", "0x10", false, 0},
        {"leading blank", " 1", false, 0},
        {"trailing blank", "1 ", false, 0},
        {"the other separator", "1,5", false, 0},
        {"two separators", "1.5.2", false, 0},
        {"fullwidth digit", QString::fromUtf16(u"\uFF11"), false, 0},
        {"Cyrillic letters", "один", false, 0},
        {"Cyrillic e as exponent", "1е5", false, 0},
        {"tab", "\t1", false, 0},
        {"line feed", "1\n", false, 0},
        {"NUL inside", QString("1") + QChar(0) + "2", false, 0},
        {"overflow", "1e99999", false, 0},
        {"ten thousand integer digits", QString(10000, '9'), false, 0},
        {"plain", "1.5", true, 1.5L},
        {"signs", "-0.25", true, -0.25L},
        {"explicit plus", "+3", true, 3.0L},
        {"no integer digits", ".5", true, 0.5L},
        {"no fraction digits", "5.", true, 5.0L},
        {"exponent", "2.5E-3", true, 0.0025L},
        {"near the top of the range", "1e4932", true, 1e4932L},
        {"ten thousand fraction digits", "0." + QString(10000, '3'), true, 1.0L / 3.0L},
    };
}

TEST(EditToFloat, ConvertsOnlyTheDecimalNotation)
{
    testing_support::TestEnvironment env;
    for (const Case& c : HostileTexts()) {
        SCOPED_TRACE(c.label);
        RecordingBoxes boxes;
        QLineEdit edit(c.text);
        long double target = 77;
        EXPECT_EQ(EditToFloat(edit, true, target), c.converts);
        if (c.converts) {
            EXPECT_EQ(target, c.value);
            EXPECT_EQ(Background(edit), SystemBackground(edit));
            EXPECT_TRUE(boxes.boxes().empty());
        } else {
            EXPECT_EQ(target, 77);
            EXPECT_EQ(Background(edit), kPink);
            EXPECT_EQ(boxes.boxes(), (std::vector<RecordingBoxes::Box>{{platform::MsgKind::Plain, kExtendedMessage, false}}));
        }
    }
}

TEST(EditToFloat, FollowsTheRegionalSeparator)
{
    testing_support::TestEnvironment env;
    platform::SetDecimalSeparator(',');
    RecordingBoxes boxes;
    QLineEdit edit("1,5");
    long double target = 0;
    EXPECT_TRUE(EditToFloat(edit, true, target));
    EXPECT_EQ(target, 1.5L);
    edit.setText("2.5");
    EXPECT_FALSE(EditToFloat(edit, true, target));
    EXPECT_EQ(target, 1.5L);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kExtendedMessage});
}

TEST(EditToInteger, ConvertsOnlyPlainDecimalIn32Bits)
{
    testing_support::TestEnvironment env;
    const std::vector<Case> cases = {
        {"plain", "5", true, 5},
        {"negative", "-12", true, -12},
        {"explicit plus", "+7", true, 7},
        {"largest", "2147483647", true, 2147483647},
        {"smallest", "-2147483648", true, -2147483648.0L},
        {"one too large", "2147483648", false, 0},
        {"empty", "", false, 0},
        {"minus alone", "-", false, 0},
        {"fraction", "5.0", false, 0},
        {"exponent", "1e3", false, 0},
        {"hexadecimal", "0x10", false, 0},
        {"Delphi hexadecimal", "$10", false, 0},
        {"leading blank", " 5", false, 0},
        {"trailing blank", "5 ", false, 0},
        {"Arabic-Indic digit", QString::fromUtf16(u"\u0663"), false, 0},
        {"Cyrillic letters", "пять", false, 0},
        {"control character", "5\x01", false, 0},
        {"ten thousand digits", QString(10000, '1'), false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RecordingBoxes boxes;
        QLineEdit edit(c.text);
        std::int32_t target = 77;
        EXPECT_EQ(EditToInteger(edit, true, target), c.converts);
        if (c.converts) {
            EXPECT_EQ(target, static_cast<std::int32_t>(c.value));
            EXPECT_EQ(Background(edit), SystemBackground(edit));
            EXPECT_TRUE(boxes.boxes().empty());
        } else {
            EXPECT_EQ(target, 77);
            EXPECT_EQ(Background(edit), kPink);
            EXPECT_EQ(boxes.boxes(), (std::vector<RecordingBoxes::Box>{{platform::MsgKind::Plain, kIntegerMessage, false}}));
        }
    }
}

TEST(EditConversions, TintFollowsTheLastConversionAndMessagesCanBeOff)
{
    RecordingBoxes boxes;
    QLineEdit edit("x");
    std::int32_t integer = 3;
    long double real = 4;
    EXPECT_FALSE(EditToInteger(edit, false, integer));
    EXPECT_FALSE(EditToFloat(edit, false, real));
    EXPECT_EQ(Background(edit), kPink);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(integer, 3);
    EXPECT_EQ(real, 4);

    edit.setText("8");
    EXPECT_TRUE(EditToInteger(edit, false, integer));
    EXPECT_EQ(integer, 8);
    EXPECT_EQ(Background(edit), SystemBackground(edit));
}

}  // namespace
