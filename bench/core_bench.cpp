// What one keystroke, one map press, the start-up, a country's local time, a minute's shading of
// the map and the reading of zone.tab cost in the core, without a display.
#include "form1_probe.h"

#include "data/builtin_data.h"
#include "facts/code_check.h"
#include "facts/currency.h"
#include "facts/german_search.h"
#include "facts/iso_codes.h"
#include "facts/languages_check.h"
#include "geo/projection.h"
#include "localtime/country_time.h"
#include "localtime/local_time_text.h"
#include "localtime/zone_directory.h"
#include "localtime/zone_places.h"
#include "sun/daylight.h"

#include <vector>

#include <benchmark/benchmark.h>

using namespace orbisco;
using namespace Qt::StringLiterals;

namespace {

void keystroke(benchmark::State &state, const QString &query)
{
    const auto form = loadedForm();
    for (auto _ : state)
        Form1Probe::filter(*form, query, true);
    state.counters["listed"] = form->List1.ListCount();
}

void formLoad(benchmark::State &state)
{
    for (auto _ : state) {
        Form1 form;
        form.raiseLoad();
        benchmark::DoNotOptimize(form.List1.ListCount());
    }
}

void mapPressBusiestColumn(benchmark::State &state)
{
    const auto form = loadedForm();
    const float zonePlusOne = 387.0f * 12 + 193; // 45 entries, the most of any column
    for (auto _ : state)
        form->Picture1.raiseMouseDown(1, 0, zonePlusOne, 100);
    state.counters["listed"] = form->List1.ListCount();
}

void showCountry(benchmark::State &state)
{
    const auto form = loadedForm();
    // Alternate two countries, so every call really rewrites the read-outs and the marker.
    const QString codes[] = {u"ZW"_s, u"AF"_s};
    int i = 0;
    for (auto _ : state)
        Form1Probe::showCountry(*form, codes[i++ & 1]);
}

// The local time of a country whose zones are already looked up: what every selection costs the
// first time that day (arg 0), and what every minute's tick and every return to it cost, with the
// sun's events of the day kept (arg 1).
void localTime(benchmark::State &state, const QString &code, const QString &offset)
{
    localtime::ZoneDirectory directory;
    const QList<QTimeZone> &zones = directory.zones(code);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    localtime::SunDays kept;
    for (auto _ : state) {
        localtime::SunDays fresh;
        benchmark::DoNotOptimize(localtime::readoutAt(code, offset, zones, now, directory.places(),
                                                      state.range(0) ? &kept : &fresh));
    }
    state.counters["zones"] = double(zones.size());
}

// The check of a record's currency against ICU's history, once ICU's data are open: what each
// selection of a country adds.
void currencyCheck(benchmark::State &state, const QString &code, const QString &builtIn)
{
    const QDate today = QDate::currentDate();
    benchmark::DoNotOptimize(facts::checkCurrency(code, builtIn, today));
    for (auto _ : state)
        benchmark::DoNotOptimize(facts::checkCurrency(code, builtIn, today));
}

// A query the search does not find, suggested by German name: with the collator and the names
// opened afresh (arg 0: the first keystroke that suggests), or kept (arg 1: every one after).
void germanSuggestion(benchmark::State &state)
{
    QStringList index;
    for (const QStringView entry : kCountryIndex)
        index << entry.toString();
    facts::GermanSearch kept;
    for (auto _ : state) {
        facts::GermanSearch fresh;
        benchmark::DoNotOptimize((state.range(0) ? kept : fresh).suggest(u"deutschland", index));
    }
}

// The shade of the whole map band at a device pixel ratio of 1 or 2: what each minute costs.
void shadeMap(benchmark::State &state)
{
    const int ratio = int(state.range(0));
    const int width = geo::kPictureWidth * ratio;
    const int height = geo::kMapBandHeight * ratio;
    std::vector<quint32> pixels(size_t(width) * size_t(height));
    qint64 at = QDateTime::currentMSecsSinceEpoch();
    for (auto _ : state) {
        sun::shadeBand(sun::sunAt(at), pixels, width, height, width);
        at += 60'000;
        benchmark::DoNotOptimize(pixels.data());
    }
    state.counters["pixels"] = double(pixels.size());
}

// Reading the system's zone.tab, as the first look at a country's places does once.
void readZoneTab(benchmark::State &state)
{
    const QString path = localtime::ZonePlaces::systemFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(localtime::ZonePlaces::fromFile(path));
    state.counters["places"] = double(localtime::ZonePlaces::fromFile(path).size());
}

// The first use of iso-codes: both files read and parsed (after the first paint, once).
void readIsoCodes(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(facts::IsoCodes::fromFolder(facts::IsoCodes::systemFolder()));
}

// A change of country's facts of today: the CLDR's languages (ICU's table read once per region,
// the names each time) and the codes' standing.
void factsOfToday(benchmark::State &state, const QString &code, const QString &alpha3)
{
    const facts::IsoCodes codes = facts::IsoCodes::fromFolder(facts::IsoCodes::systemFolder());
    for (auto _ : state) {
        benchmark::DoNotOptimize(facts::checkLanguages(code, facts::territoryFacts(code)));
        benchmark::DoNotOptimize(facts::checkCode(code, alpha3, codes));
    }
}

} // namespace

BENCHMARK(readIsoCodes)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(factsOfToday, germany, u"DE"_s, u"DEU"_s)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(factsOfToday, india, u"IN"_s, u"IND"_s)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(localTime, germany, u"DE"_s, u"+01:00"_s)->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(localTime, united_states, u"US"_s, u"-11:00 - -05:00"_s)->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(keystroke, empty_query, QString());
BENCHMARK_CAPTURE(keystroke, code_d, u"d"_s);
BENCHMARK_CAPTURE(keystroke, text_ger, u"ger"_s);
BENCHMARK(formLoad);
BENCHMARK(mapPressBusiestColumn);
BENCHMARK(showCountry);
BENCHMARK_CAPTURE(currencyCheck, croatia, u"HR"_s, u"Croatian kuna (HRK, kn)"_s);
BENCHMARK_CAPTURE(currencyCheck, el_salvador, u"SV"_s,
                  u"Salvadoran colón (SVC), United States dollar (USD, $)"_s);
BENCHMARK(germanSuggestion)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(shadeMap)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(readZoneTab)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
