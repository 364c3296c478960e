#pragma once

#include <optional>

namespace orbisco::geo {

// A place on the Earth, in degrees: latitude north positive, longitude east positive.
struct GeoPoint
{
    double latitude = 0;
    double longitude = 0;

    bool operator==(const GeoPoint &) const = default;
};

// A position on the map picture as fractions of its width and height, (0, 0) its top left corner
// and (1, 1) its bottom right one, so that any size and device pixel ratio can use it.
struct PicturePoint
{
    double x = 0;
    double y = 0;

    bool operator==(const PicturePoint &) const = default;
};

// How the map picture is drawn (tools/make-images.sh draws it from these numbers): a Miller
// cylindrical map of 84° N to 66° S on the band between a band of column numbers at the top and
// one at the bottom, and longitudes -172.5° at the left edge to 187.5° at the right edge, so that
// each of the 24 columns is 15° wide and UTC±0 is centred on Greenwich. In picture pixels:
inline constexpr int kPictureWidth = 615;
inline constexpr int kTopBandHeight = 14;
inline constexpr int kMapBandHeight = 329;
inline constexpr int kBottomBandHeight = 15;
inline constexpr int kPictureHeight = kTopBandHeight + kMapBandHeight + kBottomBandHeight;
inline constexpr double kNorthEdge = 84.0;
inline constexpr double kSouthEdge = -66.0;
inline constexpr double kWestEdge = -172.5;
inline constexpr double kEastEdge = kWestEdge + 360.0;

// The map band's top and bottom edges as fractions of the picture's height.
inline constexpr double kBandTop = double(kTopBandHeight) / kPictureHeight;
inline constexpr double kBandBottom = double(kTopBandHeight + kMapBandHeight) / kPictureHeight;

// Where a place lies on the picture. A longitude west of the left edge wraps round to the right
// (any longitude is taken modulo 360°); empty for a latitude outside the map's, or not a number.
std::optional<PicturePoint> picturePoint(GeoPoint place);

// Where a place lies on the picture, its longitude as it is rather than round the world: x below 0
// west of the map's left edge and beyond 1 east of its right edge, y above or below the map band
// north or south of it. For any place on the Earth; a pole lies a little beyond the band's edge.
PicturePoint unwrappedPicturePoint(GeoPoint place);

// The place at a position of the map band; the position's y is clamped to the band, and x wraps.
GeoPoint geoPoint(PicturePoint point);

// The longitude at a fraction x of the picture's width, and the latitude at a fraction of the map
// band's height (0 its top, 1 its bottom): what a picture row or column of the band shows.
double longitudeAt(double x);
double latitudeAtBand(double bandFraction);

} // namespace orbisco::geo
