#include "map/daylight.h"

#include "map/projection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace orbisco::map {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// The opacity by the sine of the sun's altitude, over the twilight's range of sines: the band
// asks for it per pixel, so it looks the altitude up rather than computing it.
class TwilightTable
{
public:
    static constexpr int kSteps = 4096;

    TwilightTable()
    {
        for (int i = 0; i <= kSteps; ++i)
            m_opacity[size_t(i)] = uchar(shadeOpacity(std::asin(sineAt(i)) / kDegree));
    }

    uchar opacity(double sine) const
    {
        if (sine > m_day) // also what is not a number
            return 0;
        if (sine <= m_night)
            return uchar(kNightOpacity);
        return m_opacity[size_t((sine - m_night) * m_scale + 0.5)];
    }

private:
    double sineAt(int step) const { return m_night + (m_day - m_night) * step / kSteps; }

    double m_day = std::sin(kHorizonAltitude * kDegree);
    double m_night = std::sin(kNightAltitude * kDegree);
    double m_scale = kSteps / (m_day - m_night);
    std::array<uchar, kSteps + 1> m_opacity{};
};

} // namespace

int shadeOpacity(double sunAltitude)
{
    if (!(sunAltitude < kHorizonAltitude))
        return 0;
    const double depth = (kHorizonAltitude - sunAltitude) / (kHorizonAltitude - kNightAltitude);
    return int(std::lround(kNightOpacity * std::min(depth, 1.0)));
}

void shadeBand(const SunPosition &sun, std::span<uchar> pixels, int width, int height,
               qsizetype stride)
{
    if (width <= 0 || height <= 0 || stride < width || qsizetype(pixels.size()) < stride * height)
        return;
    static const TwilightTable kTable;
    // sin(altitude) = sin φ sin δ + cos φ cos δ cos(λ - λsun): a term per row, a factor per column.
    std::vector<double> columnCosines(size_t(width), 0.0);
    for (int x = 0; x < width; ++x) {
        const double longitude = longitudeAt((x + 0.5) / width);
        columnCosines[size_t(x)] = std::cos((longitude - sun.subsolar.longitude) * kDegree);
    }
    const double sinDeclination = std::sin(sun.declination * kDegree);
    const double cosDeclination = std::cos(sun.declination * kDegree);
    for (int y = 0; y < height; ++y) {
        const double latitude = latitudeAtBand((y + 0.5) / height) * kDegree;
        const double rowTerm = std::sin(latitude) * sinDeclination;
        const double rowFactor = std::cos(latitude) * cosDeclination;
        uchar *row = pixels.data() + y * stride;
        for (int x = 0; x < width; ++x)
            row[x] = kTable.opacity(rowTerm + rowFactor * columnCosines[size_t(x)]);
    }
}

} // namespace orbisco::map
