#include "notifier/window_layout.h"

#include <algorithm>
#include <cmath>

namespace pelmira {
namespace {

constexpr double kMinListHeight = 960;
constexpr double kMaxListHeight = 8000;
constexpr double kCaptionHeight = 430;
constexpr double kBorderWidth = 150;

}  // namespace

int list_font_size(double list_width) {
  const double size = std::floor(list_width / 480);
  if (!(size >= 1)) return 1;  // also NaN
  return static_cast<int>(std::min(size, 200.0));
}

NotifierLayout notifier_layout(std::size_t lines, double top, double left, double width,
                               i32 window_number) {
  NotifierLayout layout;
  layout.top = top;
  layout.left = left + kWindowNumberShift * window_number;
  layout.width = width;
  layout.list_width = width > 1000 ? width - kBorderWidth : kDesignListWidth;
  layout.font_size = list_font_size(layout.list_width);
  // Computed wide and clamped: a long list must not overflow the height.
  const double wanted = std::nearbyint(static_cast<double>(lines) * layout.font_size * 24 + 240);
  layout.list_height = std::clamp(wanted, kMinListHeight, kMaxListHeight);
  layout.height = layout.list_height + kCaptionHeight;
  return layout;
}

}  // namespace pelmira
