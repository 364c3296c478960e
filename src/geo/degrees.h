#pragma once

#include <numbers>

namespace orbisco::geo {

// One degree in radians. (Not for headers that moc reads: Qt 6.4's moc cannot parse <numbers>.)
inline constexpr double kDegree = std::numbers::pi / 180.0;

} // namespace orbisco::geo
