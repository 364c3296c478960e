#include "geo/country_outlines.h"

#include "data/builtin_data.h"
#include "data/country_codes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace orbisco::geo {

namespace {

constexpr double kHundredths = 100.0;

// The ring's area and the sum of its points weighted by area, in pixels of the picture at its own
// size; the area is signed by the ring's direction.
struct Moments
{
    double area = 0;
    double x = 0;
    double y = 0;
};

Moments momentsOf(const OutlineRing &ring)
{
    Moments moments;
    const std::vector<PicturePoint> &points = ring.onPicture;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const double x0 = points[j].x * kPictureWidth;
        const double y0 = points[j].y * kPictureHeight;
        const double x1 = points[i].x * kPictureWidth;
        const double y1 = points[i].y * kPictureHeight;
        const double cross = x0 * y1 - x1 * y0;
        moments.area += cross / 2;
        moments.x += (x0 + x1) * cross / 6;
        moments.y += (y0 + y1) * cross / 6;
    }
    return moments;
}

GeoBox boxOf(const std::vector<GeoPoint> &points)
{
    GeoBox box{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
               std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
    for (const GeoPoint &point : points) {
        box.south = std::min(box.south, point.latitude);
        box.north = std::max(box.north, point.latitude);
        box.west = std::min(box.west, point.longitude);
        box.east = std::max(box.east, point.longitude);
    }
    return box;
}

// Ray crossing in latitude and longitude: how many edges a ray due east of the place crosses.
bool ringContains(const OutlineRing &ring, GeoPoint place)
{
    if (!ring.box.contains(place))
        return false;
    bool inside = false;
    const std::vector<GeoPoint> &points = ring.points;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const GeoPoint &a = points[i];
        const GeoPoint &b = points[j];
        if ((a.latitude > place.latitude) == (b.latitude > place.latitude))
            continue;
        const double crossing = a.longitude
            + (place.latitude - a.latitude) * (b.longitude - a.longitude)
                / (b.latitude - a.latitude);
        if (place.longitude < crossing)
            inside = !inside;
    }
    return inside;
}

// The country's area and centre, from its rings.
void measure(CountryOutline &country)
{
    Moments total;
    for (const OutlineRing &ring : country.rings) {
        Moments moments = momentsOf(ring);
        // Outer rings add, holes take away, whichever way round each is drawn.
        const double sign = (moments.area < 0) != ring.hole ? -1.0 : 1.0;
        total.area += sign * moments.area;
        total.x += sign * moments.x;
        total.y += sign * moments.y;
    }
    country.area = std::max(total.area, 0.0);
    if (total.area > 0) {
        country.centre
            = {total.x / total.area / kPictureWidth, total.y / total.area / kPictureHeight};
    } else {
        const GeoBox &box = country.box;
        country.centre
            = unwrappedPicturePoint({(box.south + box.north) / 2, (box.west + box.east) / 2});
    }
    country.centre.x -= std::floor(country.centre.x); // on the map, whatever its rings run past
}

} // namespace

bool CountryOutline::contains(GeoPoint place) const
{
    if (!std::isfinite(place.latitude) || !std::isfinite(place.longitude))
        return false;
    // Round the world from the map's left edge, and once more a turn east and west, for the
    // rings that run past the edges.
    double east = std::fmod(place.longitude - kWestEdge, 360.0);
    if (east < 0)
        east += 360.0;
    for (const double longitude :
         {kWestEdge + east, kWestEdge + east + 360, kWestEdge + east - 360}) {
        const GeoPoint at{place.latitude, longitude};
        if (!box.contains(at))
            continue;
        bool inside = false;
        for (const OutlineRing &ring : rings)
            inside ^= ringContains(ring, at);
        if (inside)
            return true;
    }
    return false;
}

CountryOutlines::CountryOutlines(std::span<const qint16> stream)
{
    // Each country's extent, every number checked but nothing read into rings yet.
    size_t at = 0;
    const auto take = [&](size_t count) {
        const bool enough = stream.size() - at >= count;
        return enough ? stream.subspan(std::exchange(at, at + count), count)
                      : std::span<const qint16>();
    };
    while (at < stream.size()) {
        const std::span<const qint16> head = take(3);
        if (head.empty() || head[2] <= 0)
            break;
        const QChar letters[] = {QChar(char16_t(head[0])), QChar(char16_t(head[1]))};
        if (!isCapitalCode(QStringView(letters, 2), 2))
            break;
        const size_t first = at;
        bool whole = true;
        for (int r = 0; r < head[2] && whole; ++r) {
            const std::span<const qint16> ring = take(2);
            const std::span<const qint16> numbers = ring.empty() || ring[1] < 3
                ? std::span<const qint16>()
                : take(size_t(ring[1]) * 2);
            whole = !numbers.empty() && (ring[0] == 0 || ring[0] == 1);
            for (size_t i = 0; whole && i < numbers.size(); i += 2)
                whole = std::abs(int(numbers[i])) <= 90 * int(kHundredths);
        }
        if (!whole)
            break;
        m_entries.push_back({QString(letters, 2), stream.subspan(first, at - first), head[2]});
    }
    m_read.resize(m_entries.size());
}

const CountryOutline &CountryOutlines::outline(size_t index) const
{
    std::optional<CountryOutline> &read = m_read[index];
    if (read)
        return *read;
    const Entry &entry = m_entries[index];
    CountryOutline country;
    country.code = entry.code;
    std::span<const qint16> numbers = entry.rings;
    std::vector<GeoPoint> all;
    for (int r = 0; r < entry.ringCount; ++r) {
        OutlineRing ring;
        ring.hole = numbers[0] == 1;
        const auto count = size_t(numbers[1]);
        for (size_t i = 0; i < count; ++i) {
            ring.points.push_back(
                {numbers[2 + 2 * i] / kHundredths, numbers[3 + 2 * i] / kHundredths});
        }
        numbers = numbers.subspan(2 + 2 * count);
        ring.box = boxOf(ring.points);
        ring.onPicture = pictureRing(ring.points);
        all.insert(all.end(), ring.points.begin(), ring.points.end());
        country.rings.push_back(std::move(ring));
    }
    country.box = boxOf(all);
    measure(country);
    return read.emplace(std::move(country));
}

const CountryOutlines &CountryOutlines::builtIn()
{
    static const CountryOutlines outlines(kCountryOutlines);
    return outlines;
}

const CountryOutline *CountryOutlines::find(QStringView code) const
{
    const auto found = std::ranges::find(m_entries, code, &Entry::code);
    return found == m_entries.end() ? nullptr : &outline(size_t(found - m_entries.begin()));
}

std::vector<const CountryOutline *> CountryOutlines::all() const
{
    std::vector<const CountryOutline *> countries;
    for (size_t i = 0; i < m_entries.size(); ++i)
        countries.push_back(&outline(i));
    return countries;
}

std::vector<const CountryOutline *> CountryOutlines::of(QStringView recordCode) const
{
    std::vector<const CountryOutline *> outlines;
    for (const QStringView code : currentCodes(recordCode)) {
        if (const CountryOutline *outline = find(code))
            outlines.push_back(outline);
    }
    return outlines;
}

const CountryOutline *CountryOutlines::at(GeoPoint place) const
{
    if (!(std::abs(place.latitude) <= 90.0) || !std::isfinite(place.longitude))
        return nullptr;
    const CountryOutline *smallest = nullptr;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const CountryOutline &country = outline(i);
        if ((!smallest || country.area < smallest->area) && country.contains(place))
            smallest = &country;
    }
    return smallest;
}

std::vector<PicturePoint> pictureRing(const std::vector<GeoPoint> &points)
{
    std::vector<PicturePoint> onPicture;
    onPicture.reserve(points.size());
    for (const GeoPoint &point : points)
        onPicture.push_back(unwrappedPicturePoint(point));
    return onPicture;
}

} // namespace orbisco::geo
