#include "geo/projection.h"

#include "geo/degrees.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbisco::geo {

namespace {

// Miller's ordinate of a latitude, in units of the Earth's radius.
double millerY(double latitude)
{
    return 1.25 * std::log(std::tan(std::numbers::pi / 4.0 + 0.4 * latitude * kDegree));
}

double millerLatitude(double y)
{
    return (std::atan(std::exp(y / 1.25)) - std::numbers::pi / 4.0) / 0.4 / kDegree;
}

const double kNorthY = millerY(kNorthEdge);
const double kSouthY = millerY(kSouthEdge);

} // namespace

std::optional<PicturePoint> picturePoint(GeoPoint place)
{
    if (!std::isfinite(place.latitude) || !std::isfinite(place.longitude)
        || place.latitude > kNorthEdge || place.latitude < kSouthEdge)
        return std::nullopt;
    double east = std::fmod(place.longitude - kWestEdge, 360.0);
    if (east < 0)
        east += 360.0;
    const double band = (kNorthY - millerY(place.latitude)) / (kNorthY - kSouthY);
    return PicturePoint{east / 360.0, kBandTop + band * (kBandBottom - kBandTop)};
}

PicturePoint unwrappedPicturePoint(GeoPoint place)
{
    // Miller's ordinate is finite up to the poles, just short of them.
    constexpr double kNearestPole = 89.999;
    const double latitude = std::clamp(place.latitude, -kNearestPole, kNearestPole);
    const double band = (kNorthY - millerY(latitude)) / (kNorthY - kSouthY);
    return {(place.longitude - kWestEdge) / 360.0, kBandTop + band * (kBandBottom - kBandTop)};
}

double longitudeAt(double x)
{
    double east = std::fmod(x, 1.0);
    if (east < 0)
        east += 1.0;
    return kWestEdge + east * 360.0;
}

double latitudeAtBand(double bandFraction)
{
    const double band = std::clamp(bandFraction, 0.0, 1.0);
    return millerLatitude(kNorthY - band * (kNorthY - kSouthY));
}

GeoPoint geoPoint(PicturePoint point)
{
    return {latitudeAtBand((point.y - kBandTop) / (kBandBottom - kBandTop)), longitudeAt(point.x)};
}

} // namespace orbisco::geo
