// The Windows common font dialog's records (ChooseFontA with CHOOSEFONT and LOGFONT, ANSI forms)
// as plain values, and the translations between them and a FontSpec. They are computations only,
// so they are checked on every platform; only a native Windows caller places them in memory, adds
// the window and printer handles and calls the dialog.
//
// Face names travel as the bytes of FontSpec::Name; a native caller converts them to and from the
// ANSI code page around the call.
#pragma once

#include "FontSpec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tavrio {

// The program's copy of LOGFONT keeps one character less than the record's 32-character face
// field: copied into a zeroed block of the full record's size, the face the dialog reads always
// ends inside its field.
inline constexpr std::size_t kLogFontFaceLength = 31;

struct LogFontRecord {
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    std::array<char, kLogFontFaceLength> lfFaceName{};

    bool operator==(const LogFontRecord&) const = default;
};

// The CHOOSEFONT fields that depend on nothing but the font. The owner window, the printer's
// device context and the address of the LOGFONT block are the native caller's; every other field
// is zero.
struct ChooseFontRecord {
    std::uint32_t lStructSize = 0;
    std::int32_t iPointSize = 0; // tenths of a point
    std::uint32_t Flags = 0;
    std::uint32_t rgbColors = 0;
    std::uint16_t nFontType = 0;
    std::int32_t nSizeMin = 0;
    std::int32_t nSizeMax = 0;

    bool operator==(const ChooseFontRecord&) const = default;
};

inline constexpr std::uint32_t kChooseFontSize = 60; // the ANSI CHOOSEFONT in bytes
inline constexpr std::uint32_t kLogFontSize = 60;    // the ANSI LOGFONT, the global block's size

inline constexpr std::uint32_t CF_SCREENFONTS = 0x1;
inline constexpr std::uint32_t CF_PRINTERFONTS = 0x2;
inline constexpr std::uint32_t CF_INITTOLOGFONTSTRUCT = 0x40;
inline constexpr std::uint32_t CF_EFFECTS = 0x100;
inline constexpr std::uint32_t CF_LIMITSIZE = 0x2000;
inline constexpr std::uint32_t CF_FORCEFONTEXIST = 0x10000;
// Screen and printer fonts, started from the LOGFONT, with colour and effects, sizes limited,
// and no face or style that does not exist.
inline constexpr std::uint32_t kChooseFontFlags = CF_SCREENFONTS | CF_PRINTERFONTS |
                                                  CF_INITTOLOGFONTSTRUCT | CF_EFFECTS |
                                                  CF_LIMITSIZE | CF_FORCEFONTEXIST;

inline constexpr std::uint16_t REGULAR_FONTTYPE = 0x400;
inline constexpr std::uint8_t DEFAULT_CHARSET = 1;
inline constexpr std::uint8_t FF_ROMAN_DEFAULT_PITCH = 0x10;

inline constexpr std::int32_t kFontDialogSmallestSize = 10;
inline constexpr std::int32_t kFontDialogLargestSize = 72;

// The face handed to the dialog when no face was chosen.
inline constexpr const char* kFallbackFace = "Times New Roman";

// The cell height in pixels at 96 dots per inch of a size in points.
std::int32_t logFontHeight(std::int16_t points);

// The face field for a name: the name and one NUL, padded with blanks or cut to the field.
std::array<char, kLogFontFaceLength> faceField(const std::string& name);
// The face in a field: up to its first NUL, or all of it when it holds none.
std::string faceOf(const std::array<char, kLogFontFaceLength>& field);

LogFontRecord logFontFor(const FontSpec& spec);

// None when the size in tenths of a point does not fit the signed 16-bit value it is computed
// in (sizes above 3276 points).
std::optional<ChooseFontRecord> chooseFontFor(const FontSpec& spec);

// The dialog's answer as a FontSpec. The face counts only when the user confirmed; the other
// values come from the records whatever the answer was. None when the size does not fit.
std::optional<FontSpec> fontSpecFromDialog(const ChooseFontRecord& chooseFont,
                                           const LogFontRecord& logFont, bool confirmed);

} // namespace tavrio
