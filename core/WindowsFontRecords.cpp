#include "WindowsFontRecords.h"

#include "Conversions.h"

#include <algorithm>
#include <limits>

namespace tavrio {

namespace {

constexpr std::int32_t kRegularWeight = 400;
constexpr std::int32_t kBoldExtraWeight = 300;

} // namespace

std::int32_t logFontHeight(std::int16_t points) {
    // Points to pixels at 96 dpi is × 4 ÷ 3; the division by 75 first keeps the Windows
    // program's rounding, which no whole size turns into a tie.
    return static_cast<std::int32_t>(roundHalfEven(points / 75.0 * 100.0));
}

std::array<char, kLogFontFaceLength> faceField(const std::string& name) {
    std::array<char, kLogFontFaceLength> field;
    field.fill(' ');
    const std::string terminated = name + '\0';
    std::copy_n(terminated.begin(), std::min(terminated.size(), field.size()), field.begin());
    return field;
}

std::string faceOf(const std::array<char, kLogFontFaceLength>& field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return {field.begin(), end};
}

LogFontRecord logFontFor(const FontSpec& spec) {
    LogFontRecord record;
    record.lfHeight = logFontHeight(spec.Size);
    record.lfWidth = record.lfHeight;
    record.lfWeight = kRegularWeight + (spec.Bold ? kBoldExtraWeight : 0);
    record.lfItalic = spec.Italic ? 1 : 0;
    record.lfCharSet = DEFAULT_CHARSET;
    record.lfPitchAndFamily = FF_ROMAN_DEFAULT_PITCH;
    record.lfFaceName = faceField(spec.Name.empty() ? std::string{kFallbackFace} : spec.Name);
    return record;
}

std::optional<ChooseFontRecord> chooseFontFor(const FontSpec& spec) {
    const std::int32_t tenths = std::int32_t{spec.Size} * 10;
    if (tenths < std::numeric_limits<std::int16_t>::min() ||
        tenths > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    ChooseFontRecord record;
    record.lStructSize = kChooseFontSize;
    record.iPointSize = tenths;
    record.Flags = kChooseFontFlags;
    record.rgbColors = static_cast<std::uint32_t>(spec.Color);
    record.nFontType = REGULAR_FONTTYPE;
    record.nSizeMin = kFontDialogSmallestSize;
    record.nSizeMax = kFontDialogLargestSize;
    return record;
}

std::optional<FontSpec> fontSpecFromDialog(const ChooseFontRecord& chooseFont,
                                           const LogFontRecord& logFont, bool confirmed) {
    const auto size = wholePoints(chooseFont.iPointSize / 10.0);
    if (!size) {
        return std::nullopt;
    }
    FontSpec spec;
    spec.Name = confirmed ? faceOf(logFont.lfFaceName) : std::string{};
    spec.Size = *size;
    spec.Color = static_cast<std::int32_t>(chooseFont.rgbColors);
    spec.Italic = logFont.lfItalic != 0;
    spec.Bold = isBoldWeight(logFont.lfWeight);
    return spec;
}

} // namespace tavrio
