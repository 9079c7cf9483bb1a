// Screen colours as (red, green, blue), and the ones the display uses by name.
#pragma once

#include <cstdint>

namespace talver {

struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  bool operator==(const Colour&) const = default;
};

namespace colours {
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kGreen{0, 128, 0};
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kFuchsia{255, 0, 255};
inline constexpr Colour kPurple{128, 0, 128};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kGrey{128, 128, 128};
inline constexpr Colour kMaroon{128, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kTraceSelection{10, 95, 137};
}  // namespace colours

}  // namespace talver
