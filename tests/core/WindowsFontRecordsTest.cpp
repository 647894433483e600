#include "WindowsFontRecords.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace tavrio {

void PrintTo(const FontSpec& spec, std::ostream* out) {
    *out << '"' << spec.Name << "\" " << spec.Size << "pt colour " << spec.Color
         << (spec.Italic ? " italic" : "") << (spec.Bold ? " bold" : "");
}

namespace {

FontSpec spec(std::string name, std::int16_t size, std::int32_t color = 0, bool italic = false,
              bool bold = false) {
    return FontSpec{std::move(name), size, color, italic, bold};
}

std::string fieldText(const std::array<char, kLogFontFaceLength>& field) {
    return {field.begin(), field.end()};
}

// --- From a FontSpec to the records -----------------------------------------------------------

struct HeightCase {
    std::int16_t points;
    std::int32_t height;
};

std::ostream& operator<<(std::ostream& out, const HeightCase& c) {
    return out << c.points << " pt";
}

class LogFontHeightTest : public testing::TestWithParam<HeightCase> {};

TEST_P(LogFontHeightTest, IsTheCellHeightAt96Dpi) {
    const LogFontRecord record = logFontFor(spec("Arial", GetParam().points));
    EXPECT_EQ(record.lfHeight, GetParam().height) << GetParam().points;
    EXPECT_EQ(record.lfWidth, GetParam().height) << GetParam().points;
}

INSTANTIATE_TEST_SUITE_P(Sizes, LogFontHeightTest,
                         testing::Values(HeightCase{8, 11}, HeightCase{10, 13}, HeightCase{12, 16},
                                         HeightCase{16, 21}, HeightCase{72, 96},
                                         HeightCase{100, 133}, HeightCase{11, 15},
                                         HeightCase{3276, 4368}));

TEST(LogFontTest, CarriesWeightSlantAndTheFixedFields) {
    struct Case {
        bool italic;
        bool bold;
        std::int32_t weight;
        std::uint8_t italicByte;
    };
    for (const Case c : {Case{false, false, 400, 0}, Case{false, true, 700, 0},
                         Case{true, false, 400, 1}, Case{true, true, 700, 1}}) {
        const LogFontRecord record = logFontFor(spec("Arial", 12, 0xFF, c.italic, c.bold));
        EXPECT_EQ(record.lfWeight, c.weight);
        EXPECT_EQ(record.lfItalic, c.italicByte);
        EXPECT_EQ(record.lfEscapement, 0);
        EXPECT_EQ(record.lfOrientation, 0);
        EXPECT_EQ(record.lfUnderline, 0);
        EXPECT_EQ(record.lfStrikeOut, 0);
        EXPECT_EQ(record.lfCharSet, 1);
        EXPECT_EQ(record.lfOutPrecision, 0);
        EXPECT_EQ(record.lfClipPrecision, 0);
        EXPECT_EQ(record.lfQuality, 0);
        EXPECT_EQ(record.lfPitchAndFamily, 0x10);
    }
}

TEST(LogFontTest, FitsTheFaceToItsField) {
    struct Case {
        std::string name;
        std::string field;
    };
    const std::string thirtyOne = "Abcdefghijklmnopqrstuvwxyz Bold";
    ASSERT_EQ(thirtyOne.size(), 31u);
    for (const Case& c : {
             Case{"Arial", std::string{"Arial"} + '\0' + std::string(25, ' ')},
             Case{"", std::string{"Times New Roman"} + '\0' + std::string(15, ' ')},
             Case{std::string(30, 'x'), std::string(30, 'x') + '\0'},
             Case{thirtyOne, thirtyOne},
             Case{thirtyOne + " Extended Condensed", thirtyOne},
         }) {
        EXPECT_EQ(fieldText(logFontFor(spec(c.name, 12)).lfFaceName), c.field) << c.name;
    }
}

TEST(ChooseFontTest, StartsTheDialogFromTheFont) {
    const auto record = chooseFontFor(spec("Arial", 100, 0x00FF8040));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->lStructSize, 60u);
    EXPECT_EQ(record->iPointSize, 1000);
    EXPECT_EQ(record->Flags, 0x12143u);
    EXPECT_EQ(record->rgbColors, 0x00FF8040u);
    EXPECT_EQ(record->nFontType, 0x400);
    EXPECT_EQ(record->nSizeMin, 10);
    EXPECT_EQ(record->nSizeMax, 72);
}

TEST(ChooseFontTest, RefusesSizesWhoseTenthsDoNotFitSixteenBits) {
    struct Case {
        std::int16_t points;
        std::optional<std::int32_t> tenths;
    };
    for (const Case c : {Case{16, 160}, Case{3276, 32760}, Case{3277, std::nullopt},
                         Case{-3276, -32760}, Case{-3277, std::nullopt}}) {
        const auto record = chooseFontFor(spec("Arial", c.points));
        EXPECT_EQ(record ? std::optional{record->iPointSize} : std::nullopt, c.tenths) << c.points;
    }
}

// --- From the dialog's answer back to a FontSpec ---------------------------------------------

LogFontRecord answerLogFont(const std::string& face, std::int32_t weight, std::uint8_t italic) {
    LogFontRecord record = logFontFor(spec(face, 12));
    record.lfWeight = weight;
    record.lfItalic = italic;
    return record;
}

ChooseFontRecord answerChooseFont(std::int32_t tenths, std::uint32_t color) {
    ChooseFontRecord record = *chooseFontFor(spec("Arial", 12));
    record.iPointSize = tenths;
    record.rgbColors = color;
    return record;
}

struct AnswerCase {
    const char* what;
    std::int32_t tenths;
    std::int32_t weight;
    std::uint8_t italic;
    bool confirmed;
    std::optional<FontSpec> expected;
};

std::ostream& operator<<(std::ostream& out, const AnswerCase& c) {
    return out << c.what;
}

class FontSpecFromDialogTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(FontSpecFromDialogTest, TakesSizeColourWeightSlantAndTheConfirmedFace) {
    const AnswerCase& c = GetParam();
    const auto result =
        fontSpecFromDialog(answerChooseFont(c.tenths, 0x0000FF),
                           answerLogFont("Verdana", c.weight, c.italic), c.confirmed);
    EXPECT_EQ(result, c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FontSpecFromDialogTest,
    testing::Values(
        AnswerCase{"10.5 points", 105, 400, 0, true, spec("Verdana", 10, 0xFF)},
        AnswerCase{"11.5 points", 115, 400, 0, true, spec("Verdana", 12, 0xFF)},
        AnswerCase{"12.5 points", 125, 400, 0, true, spec("Verdana", 12, 0xFF)},
        AnswerCase{"semi-bold", 120, 600, 0, true, spec("Verdana", 12, 0xFF, false, true)},
        AnswerCase{"medium", 120, 500, 0, true, spec("Verdana", 12, 0xFF, false, true)},
        AnswerCase{"regular", 120, 400, 0, true, spec("Verdana", 12, 0xFF, false, false)},
        AnswerCase{"light italic", 120, 300, 1, true, spec("Verdana", 12, 0xFF, true, false)},
        AnswerCase{"cancelled", 160, 700, 1, false, spec("", 16, 0xFF, true, true)},
        AnswerCase{"size out of range", 327680, 400, 0, true, std::nullopt}));

TEST(FontSpecFromDialogTest, ReadsAFaceWithoutNulAsTheWholeField) {
    LogFontRecord logFont = logFontFor(spec("Arial", 12));
    logFont.lfFaceName.fill('W');
    const auto result = fontSpecFromDialog(answerChooseFont(120, 0), logFont, true);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Name, std::string(31, 'W'));
}

TEST(FontSpecFromDialogTest, AConfirmedUnchangedDialogGivesTheFontBack) {
    for (const FontSpec& original :
         {spec("Arial", 16, 0x123456, false, true), spec("DejaVu Serif", 72, 0, true, false),
          spec("Liberation Sans Narrow", 10, 0xFFFFFF, true, true)}) {
        const auto back = fontSpecFromDialog(*chooseFontFor(original), logFontFor(original), true);
        EXPECT_EQ(back, original) << original.Name;
    }
}

} // namespace
} // namespace tavrio
