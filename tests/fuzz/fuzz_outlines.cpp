// The outlines' reader with any stream of numbers, and the hit test with any place: reading stops
// at a fault and keeps what came before it whole; every place gets one answer, and the country it
// names holds it.
#include "fuzz_support.h"

#include "geo/country_outlines.h"

#include <cmath>
#include <vector>

using namespace orbisco;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 16)
        return 0;
    // A place, any two doubles (not a number, infinite, anywhere), then the stream.
    geo::GeoPoint place;
    std::memcpy(&place.latitude, data, sizeof(double));
    std::memcpy(&place.longitude, data + 8, sizeof(double));
    std::vector<qint16> stream((size - 16) / 2);
    if (!stream.empty())
        std::memcpy(stream.data(), data + 16, stream.size() * 2);

    const geo::CountryOutlines read(stream);
    for (const geo::CountryOutlines *outlines : {&geo::CountryOutlines::builtIn(), &read}) {
        const geo::CountryOutline *found = outlines->at(place);
        FUZZ_CHECK(outlines->at(place) == found);
        if (found) {
            FUZZ_CHECK(found->contains(place));
            FUZZ_CHECK(std::abs(place.latitude) <= 90.0);
        }
        for (const geo::CountryOutline *outline : outlines->all()) {
            const geo::CountryOutline &each = *outline;
            FUZZ_CHECK(each.code.size() == 2 && !each.rings.empty());
            FUZZ_CHECK(std::isfinite(each.area) && each.area >= 0);
            FUZZ_CHECK(std::isfinite(each.centre.x) && each.centre.x >= 0 && each.centre.x < 1);
            for (const geo::OutlineRing &ring : each.rings) {
                FUZZ_CHECK(ring.points.size() >= 3);
                FUZZ_CHECK(ring.onPicture.size() == ring.points.size());
                for (const geo::PicturePoint &point : ring.onPicture)
                    FUZZ_CHECK(std::isfinite(point.x) && std::isfinite(point.y));
            }
        }
    }
    return 0;
}
