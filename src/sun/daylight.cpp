#include "sun/daylight.h"

#include "geo/degrees.h"
#include "geo/projection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace orbisco::sun {

namespace {

// The opacity by the sine of the sun's altitude, in even steps of the sine from astronomical night
// (step 0) to the horizon (the last step): the band asks for it per pixel, so it looks the
// altitude up rather than computing it. Below the first step it is night, above the last day.
struct TwilightTable
{
    static constexpr int kSteps = 4096;
    double night = std::sin(kNightAltitude * geo::kDegree);
    double day = std::sin(kHorizonAltitude * geo::kDegree);
    std::array<uchar, kSteps + 1> opacity{};

    TwilightTable()
    {
        for (int i = 0; i <= kSteps; ++i) {
            const double sine = night + (day - night) * i / kSteps;
            opacity[size_t(i)]
                = uchar(i == kSteps ? 0 : shadeOpacity(std::asin(sine) / geo::kDegree));
        }
    }
};

} // namespace

int shadeOpacity(double sunAltitude)
{
    if (!(sunAltitude < kHorizonAltitude))
        return 0;
    const double depth = (kHorizonAltitude - sunAltitude) / (kHorizonAltitude - kNightAltitude);
    return int(std::lround(kNightOpacity * std::min(depth, 1.0)));
}

namespace {

// Calls fill(begin, end) for the pixel columns of a row `width` wide whose centres lie between
// `from` and `to` (in columns, from <= to), the row being a circle: what runs off one end comes
// in at the other.
template <typename Fill>
void forColumnsBetween(double from, double to, int width, Fill &&fill)
{
    if (to - from >= width - 1) {
        fill(0, width);
        return;
    }
    auto first = qint64(std::ceil(from));
    const auto last = qint64(std::floor(to));
    if (last < first)
        return;
    // Into [0, width): the wrapped part first.
    const qint64 turns = first >= 0 ? first / width : (first - width + 1) / width;
    first -= turns * width;
    const qint64 end = last - turns * width + 1;
    if (end <= width) {
        fill(int(first), int(end));
    } else {
        fill(int(first), width);
        fill(0, int(end - width));
    }
}

} // namespace

void shadeBand(const SunPosition &sun, std::span<quint32> pixels, int width, int height,
               qsizetype stride)
{
    using Pixel = quint32;
    constexpr int kShift = 24; // where the opacity goes
    if (width <= 0 || height <= 0 || stride < width || qsizetype(pixels.size()) < stride * height)
        return;
    static const TwilightTable kTable;
    constexpr int kSteps = TwilightTable::kSteps;
    const double stepsPerSine = kSteps / (kTable.day - kTable.night);
    const auto opacityAt = [](double step) {
        // Not a number, as much as anything below the table, is night.
        const double at = step > 0 ? std::min(step, double(kSteps)) : 0.0;
        return Pixel(Pixel(kTable.opacity[size_t(at)]) << kShift);
    };

    // sin(altitude) = sin φ sin δ + cos φ cos δ cos(λ - λsun): per row a term and a factor, per
    // column a cosine; the table's step is linear in the sine, so in the cosine too.
    std::vector<double> columnCosines(size_t(width), 0.0);
    for (int x = 0; x < width; ++x) {
        const double longitude = geo::longitudeAt((x + 0.5) / width);
        columnCosines[size_t(x)] = std::cos((longitude - sun.subsolar.longitude) * geo::kDegree);
    }
    // The column under the sun, and how many columns a degree of longitude spans.
    const double columnsPerDegree = width / 360.0;
    double noon = (sun.subsolar.longitude - geo::kWestEdge) * columnsPerDegree - 0.5;
    if (!std::isfinite(noon))
        noon = 0;
    const double sinDeclination = std::sin(sun.declination * geo::kDegree);
    const double cosDeclination = std::cos(sun.declination * geo::kDegree);

    for (int y = 0; y < height; ++y) {
        const double latitude = geo::latitudeAtBand((y + 0.5) / height) * geo::kDegree;
        const double offset = (std::sin(latitude) * sinDeclination - kTable.night) * stepsPerSine;
        const double slope = std::cos(latitude) * cosDeclination * stepsPerSine;
        Pixel *row = pixels.data() + y * stride;
        const auto compute = [&](int begin, int end) {
            for (int x = begin; x < end; ++x)
                row[x] = opacityAt(offset + slope * columnCosines[size_t(x)]);
        };
        if (!(slope > 1e-9)) { // at a pole, or not a number: the same all round
            compute(0, width);
            continue;
        }
        // Night where the step is below the table, day above it; between the two, how far the
        // twilight reaches from noon's column on either side. A column of margin on each edge,
        // where the pixels themselves decide.
        const auto reach = [&](double step) {
            return std::acos(std::clamp((step - offset) / slope, -1.0, 1.0)) / geo::kDegree
                * columnsPerDegree;
        };
        const double twilight = reach(0) + 1;
        const double day = reach(kSteps) - 1;
        std::fill(row, row + width, opacityAt(-1));
        if (day <= 0) {
            forColumnsBetween(noon - twilight, noon + twilight, width, compute);
            continue;
        }
        forColumnsBetween(noon - twilight, noon - day, width, compute);
        forColumnsBetween(noon + day, noon + twilight, width, compute);
        forColumnsBetween(noon - day, noon + day, width,
                          [row](int begin, int end) { std::fill(row + begin, row + end, 0); });
    }
}

} // namespace orbisco::sun
