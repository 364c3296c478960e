// The local-time read-out's core with any built-in offset text, any of a country's zones and any
// instant: what it shows is well formed, and the minute's timer always waits 1 to 60,000 ms.
#include "fuzz_support.h"

#include "data/utc_offset.h"
#include "localtime/country_time.h"
#include "localtime/local_time_text.h"
#include "localtime/minute_clock.h"
#include "localtime/zone_directory.h"

using namespace orbisco;

namespace {

// A few countries' zones, looked up once: one zone, several with daylight saving time, a
// withdrawn code, and none.
const QList<QTimeZone> &zonesOf(uint8_t which)
{
    static localtime::ZoneDirectory directory;
    static const QString codes[] = {u"DE"_qs, u"US"_qs, u"AU"_qs, u"NP"_qs, u"UK"_qs, u"BV"_qs};
    return directory.zones(codes[which % std::size(codes)]);
}

const localtime::ZonePlaces &places()
{
    static localtime::ZoneDirectory directory;
    return directory.places();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 9)
        return 0;
    // An instant within 10,000 years of 1970, a country, then the built-in offset text.
    qint64 at = 0;
    std::memcpy(&at, data, sizeof at);
    at %= qint64(10'000) * 366 * 86'400'000;
    const QDateTime instant = QDateTime::fromMSecsSinceEpoch(at, Qt::UTC);
    const QList<QTimeZone> &zones = zonesOf(data[8]);
    const QString builtIn = fuzz::utf16(data + 9, size - 9);

    const int wait = localtime::msecsToNextMinute(instant);
    FUZZ_CHECK(wait >= 1 && wait <= 60'000);
    FUZZ_CHECK((at + wait) % 60'000 == 0);

    const std::optional<int> seconds = offsetSeconds(builtIn);
    if (seconds) {
        FUZZ_CHECK(std::abs(*seconds) < 100 * 3600);
        FUZZ_CHECK(writtenOffset(*seconds, OffsetForm::HoursAndMinutes).size() == 6);
    }
    const QList<localtime::BuiltInOffset> values = localtime::builtInOffsets(builtIn);
    FUZZ_CHECK(values.size() <= 2);
    for (const localtime::BuiltInOffset &value : values)
        FUZZ_CHECK(offsetSeconds(value.written) == value.seconds);

    localtime::SunDays days;
    const localtime::CountryClock clock
        = localtime::countryClockAt(u"XX"_qs, builtIn, zones, instant, places(), days);
    const localtime::Readout readout = localtime::readoutText(clock);
    const localtime::OffsetCheck check = localtime::offsetCheck(clock);
    FUZZ_CHECK(readout.text.startsWith(u"Ortszeit: "));
    FUZZ_CHECK(!readout.details.isEmpty());
    FUZZ_CHECK(readout.spots.size() <= size_t(zones.size()));
    FUZZ_CHECK(check.details.isEmpty() == !check.stale);
    FUZZ_CHECK(!check.stale || values.size() > 0);
    for (const localtime::Readout::Spot &spot : readout.spots)
        FUZZ_CHECK(spot.line.startsWith(QString::fromLatin1(spot.zoneId) + u": "_qs));
    return 0;
}
