#pragma once

#include "sun/sun.h"

#include <QtGlobal>

#include <span>

namespace orbisco::sun {

// How dark the map is drawn where the sun is down: the opacity (0 to 255) of black laid over the
// picture. None where the sun's centre is above the horizon altitude; at night, more than 18°
// below the horizon, enough to leave at most half the picture's brightness; in the twilight
// between, darker the deeper the sun.
inline constexpr int kNightOpacity = 140;
int shadeOpacity(double sunAltitude);

// The shade of the whole map band for the sun at one instant: `width` by `height` pixels, row
// after row, each row `stride` pixels from the one before. Every pixel takes the place at its
// centre. A pixel is black of the opacity as premultiplied ARGB (the opacity in the top byte),
// which a screen lays over a picture as it is.
void shadeBand(const SunPosition &sun, std::span<quint32> pixels, int width, int height,
               qsizetype stride);

} // namespace orbisco::sun
