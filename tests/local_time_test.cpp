// Local time from the system's time-zone database, on a fixed clock: what the read-out beside the
// built-in offset says, when it wakes, and how it copes with what the database does not know.
#include "core_application.h"
#include "form1_probe.h"

#include "data/builtin_data.h"
#include "data/country_codes.h"

#include "data/utc_offset.h"
#include "localtime/country_time.h"
#include "localtime/local_time_readout.h"
#include "localtime/local_time_text.h"
#include "localtime/minute_clock.h"
#include "localtime/zone_directory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>

using namespace orbisco;
using namespace orbisco::localtime;
using namespace Qt::StringLiterals;

namespace {

QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0, int msec = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), Qt::UTC);
}

const QDateTime kWinter = utc(2026, 1, 14, 13, 32); // a Wednesday
const QDateTime kSummer = utc(2026, 7, 14, 13, 32); // a Tuesday

Readout readoutOf(const QString &code, const QString &builtIn, const QDateTime &at)
{
    ZoneDirectory directory;
    return readoutAt(code, builtIn, directory.zones(code), at);
}

// The lines of the answer that say the built-in offset is not the database's.
QStringList disagreements(const Readout &readout)
{
    return readout.details.split(u'\n').filter(u"weicht von der Zeitzonendatenbank ab"_s);
}

// The readout's timer needs an event loop's thread.
using LocalTimeReadoutTest = CoreApplicationTest;

} // namespace

TEST(LocalTime, GermanyInWinterAndSummer)
{
    const Readout winter = readoutOf(u"DE"_s, u"+01:00"_s, kWinter);
    EXPECT_EQ(winter.text, u"Ortszeit: Mi. 14:32"_s);
    EXPECT_EQ(winter.details,
              u"UTC+01:00 Europe/Berlin: Mi. 14:32\n"
              "Umstellung am So. 29.03.2026 um 02:00 auf UTC+02:00, Sommerzeit"_s);

    const Readout summer = readoutOf(u"DE"_s, u"+01:00"_s, kSummer);
    EXPECT_EQ(summer.text, u"Ortszeit: Di. 15:32"_s);
    EXPECT_EQ(summer.details,
              u"UTC+02:00 Europe/Berlin: Di. 15:32, Sommerzeit\n"
              "Umstellung am So. 25.10.2026 um 03:00 auf UTC+01:00"_s)
        << "+01:00 is Germany's winter offset: no disagreement in summer either";
}

TEST(LocalTime, ZonesOnUtcItselfArePlusZero)
{
    // Reykjavik all year and London in winter keep UTC: "+00:00", never "-00:00".
    EXPECT_EQ(readoutOf(u"IS"_s, u"+00:00"_s, kWinter).details,
              u"UTC+00:00 Atlantic/Reykjavik: Mi. 13:32"_s);
    EXPECT_EQ(readoutOf(u"GB"_s, u"+00:00"_s, kWinter).details,
              u"UTC+00:00 Europe/London: Mi. 13:32\n"
              "Umstellung am So. 29.03.2026 um 01:00 auf UTC+01:00, Sommerzeit"_s);
    EXPECT_EQ(readoutOf(u"GB"_s, u"+00:00"_s, kSummer).details,
              u"UTC+01:00 Europe/London: Di. 14:32, Sommerzeit\n"
              "Umstellung am So. 25.10.2026 um 02:00 auf UTC+00:00"_s);
    // Ghana's record says +01:00; Accra keeps UTC, and the note says so.
    ZoneDirectory directory;
    SunDays days;
    EXPECT_EQ(offsetCheck(
                  countryClockAt(u"GH"_s, u"+01:00"_s, directory.zones(u"GH"_s), kWinter, {}, days))
                  .details,
              u"Die eingebaute Angabe +01:00 weicht von der Zeitzonendatenbank ab; heute gilt "
              "+00:00."_s);
}

TEST(LocalTime, NepalsQuarterHourAndItsStaleBuiltInOffset)
{
    const Readout nepal = readoutOf(u"NP"_s, u"+05:30"_s, kWinter);
    EXPECT_EQ(nepal.text, u"Ortszeit: Mi. 19:17"_s);
    EXPECT_TRUE(nepal.details.startsWith(u"UTC+05:45 Asia/Kathmandu: Mi. 19:17"_s))
        << nepal.details.toStdString();
    EXPECT_EQ(disagreements(nepal),
              QStringList{u"Die eingebaute Angabe +05:30 weicht von der Zeitzonendatenbank ab"_s});
}

TEST(LocalTime, SeveralOffsetsShowTheRangeOfLocalTimes)
{
    // Hawaii (UTC-10) is the earliest, the east coast (UTC-05:00 in January) the latest.
    const Readout us = readoutOf(u"US"_s, u"-11:00 - -05:00"_s, kWinter);
    EXPECT_EQ(us.text, u"Ortszeit: 03:32 – 08:32"_s);
    const QStringList lines = us.details.split(u'\n');
    EXPECT_TRUE(lines.first().startsWith(u"UTC-10:00 "_s)) << lines.first().toStdString();
    EXPECT_TRUE(lines.contains(u"UTC-05:00 America/Detroit: Mi. 08:32"_s));
    EXPECT_EQ(disagreements(us),
              QStringList{u"Die eingebaute Angabe -11:00 weicht von der Zeitzonendatenbank ab"_s})
        << "each end of the range is checked on its own";

    // Australia in its summer: half- and quarter-hour zones, some on daylight saving time.
    const Readout australia = readoutOf(u"AU"_s, u"+07:00 - +10:00"_s, kWinter);
    EXPECT_TRUE(australia.details.contains(u"UTC+08:45 Australia/Eucla: Mi. 22:17"_s));
    EXPECT_TRUE(australia.details.contains(u"UTC+09:30 Australia/Darwin: Mi. 23:02"_s));
    EXPECT_TRUE(
        australia.details.contains(u"UTC+10:30 Australia/Adelaide: Do. 00:02, Sommerzeit"_s))
        << australia.details.toStdString();
    EXPECT_TRUE(australia.text.startsWith(u"Ortszeit: 21:32 – "_s)) << australia.text.toStdString();
}

TEST(LocalTime, BuiltInOffsetsAreCheckedAgainstTheWholeYear)
{
    // Zones that never change offset have only the one they start the year with.
    for (const auto &[code, offset] :
         {std::pair{u"JP"_s, u"+09:00"_s}, {u"IN"_s, u"+05:30"_s}, {u"AR"_s, u"-03:00"_s}}) {
        EXPECT_TRUE(disagreements(readoutOf(code, offset, kSummer)).isEmpty())
            << code.toStdString();
    }
    EXPECT_TRUE(disagreements(readoutOf(u"IE"_s, u"+00:00"_s, kSummer)).isEmpty());
    EXPECT_TRUE(disagreements(readoutOf(u"DE"_s, u"+01:00"_s, kSummer)).isEmpty());
    EXPECT_EQ(disagreements(readoutOf(u"TR"_s, u"+02:00"_s, kWinter)).size(), 1);
    EXPECT_EQ(disagreements(readoutOf(u"TR"_s, u"+02:00"_s, kSummer)).size(), 1);
    // Ireland's winter is, in the database, a negative daylight saving time: not summer time.
    EXPECT_FALSE(readoutOf(u"IE"_s, u"+00:00"_s, kWinter).details.contains(u"Sommerzeit"_s));
}

TEST(LocalTime, WithdrawnCodesUseTheirSuccessors)
{
    const std::pair<QString, QString> successors[]
        = {{u"UK"_s, u"GB"_s}, {u"TP"_s, u"TL"_s}, {u"ZR"_s, u"CD"_s}, {u"AN"_s, u"CW"_s}};
    ZoneDirectory directory;
    for (const auto &[withdrawn, successor] : successors) {
        EXPECT_FALSE(directory.zones(successor).isEmpty()) << successor.toStdString();
        EXPECT_EQ(directory.zones(withdrawn), directory.zones(successor))
            << withdrawn.toStdString();
    }
    // Codes with neither a zone nor a successor: no guess.
    for (const QString &code : {u"BV"_s, u"HM"_s, u"FX"_s, u"NT"_s, u"SU"_s, u"XX"_s, u"D"_s})
        EXPECT_TRUE(directory.zones(code).isEmpty()) << code.toStdString();
}

TEST(LocalTime, EveryCountryHasTheZonesQtListsForIt)
{
    // The country's zones come from our own reading of zone.tab; Qt's list of its territory's
    // zones is the reference, for every built-in record.
    ZoneDirectory directory;
    for (const QStringView record : kCountryRecords) {
        const QString code = record.first(2).toString();
        const QLocale::Territory territory = QLocale::codeToTerritory(currentCode(code));
        const QList<QByteArray> expected = territory == QLocale::AnyTerritory
            ? QList<QByteArray>()
            : QTimeZone::availableTimeZoneIds(territory);
        QList<QByteArray> ids;
        for (const QTimeZone &zone : directory.zones(code))
            ids.append(zone.id());
        EXPECT_EQ(ids, expected) << code.toStdString();
    }
}

TEST(LocalTime, ReadoutSaysQuestionMarkWhenThereIsNoTime)
{
    const Readout bouvet = readoutOf(u"BV"_s, QString(), kWinter);
    EXPECT_EQ(bouvet.text, u"Ortszeit: ?"_s);
    EXPECT_TRUE(bouvet.details.contains(u"BV"_s));
    EXPECT_EQ(readoutOf(QString(), QString(), kWinter).text, u"Ortszeit: ?"_s) << "no record";
    EXPECT_EQ(readoutOf(u"DE"_s, u"x1:00"_s, kWinter).text, u"Ortszeit: ?"_s)
        << "an unreadable built-in offset";
    EXPECT_EQ(readoutOf(u"DE"_s, u"+01:00"_s, QDateTime()).text, u"Ortszeit: ?"_s)
        << "a clock that tells no time";
    // An empty built-in offset is no fault: the database still knows the Faroes' time.
    EXPECT_EQ(readoutOf(u"FO"_s, QString(), kWinter).text, u"Ortszeit: Mi. 13:32"_s);
}

TEST(LocalTime, UnreadableZonesAreLeftOut)
{
    // As when a zone's data file is missing or corrupt: Qt cannot make the zone.
    ZoneDirectory withoutChicago(
        [](const QByteArray &id) { return id == "America/Chicago" ? QTimeZone() : QTimeZone(id); });
    const QList<QTimeZone> &zones = withoutChicago.zones(u"US"_s);
    EXPECT_FALSE(zones.isEmpty());
    EXPECT_TRUE(std::ranges::none_of(
        zones, [](const QTimeZone &z) { return z.id() == "America/Chicago"; }));

    ZoneDirectory nothingReadable([](const QByteArray &) { return QTimeZone(); });
    EXPECT_EQ(readoutAt(u"DE"_s, u"+01:00"_s, nothingReadable.zones(u"DE"_s), kWinter).text,
              u"Ortszeit: ?"_s);
}

TEST(LocalTime, ZonesWhoseFileIsNoRegularFileAreLeftOut)
{
    // Germany's zones in a folder of our own: Berlin's file a pipe that nobody writes to (Qt
    // would wait on it for good), Büsingen's a regular file.
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(u"Europe"_s));
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath(u"Europe/Berlin"_s)).constData(), 0600), 0);
    ASSERT_TRUE(QFile::copy(systemZoneFolder() + u"/Europe/Busingen"_s,
                            folder.filePath(u"Europe/Busingen"_s)));
    ZoneDirectory directory(ZoneDirectory::openingFrom(folder.path()));
    const QList<QTimeZone> &zones = directory.zones(u"DE"_s);
    ASSERT_EQ(zones.size(), 1);
    EXPECT_EQ(zones.front().id(), "Europe/Busingen");
    EXPECT_EQ(readoutAt(u"DE"_s, u"+01:00"_s, zones, kWinter).text, u"Ortszeit: Mi. 14:32"_s);

    const ZoneDirectory::OpenZone open = ZoneDirectory::openingFrom(folder.path());
    EXPECT_FALSE(open("Europe").isValid()) << "a folder";
    EXPECT_FALSE(open("Europe/Paris").isValid()) << "no file";
    EXPECT_FALSE(open("../Europe/Busingen").isValid());
    EXPECT_FALSE(ZoneDirectory::openingFrom(u"/dev"_s)("null").isValid()) << "a device";
}

TEST(LocalTime, FarFromTodayNothingBreaks)
{
    ZoneDirectory directory;
    const auto readout = [&directory](const QDateTime &at) {
        return readoutAt(u"US"_s, u"-11:00 - -05:00"_s, directory.zones(u"US"_s), at,
                         directory.places());
    };
    // Where the database has rules, far ahead, and history, far back: the Aleutians and Hawaii
    // the earliest, the east coast the latest.
    EXPECT_EQ(readout(utc(9999, 12, 31, 23, 59)).text, u"Ortszeit: 13:59 – 18:59"_s);
    EXPECT_TRUE(readout(utc(9999, 12, 31, 23, 59))
                    .details.startsWith(u"UTC-10:00 America/Adak: Fr. 13:59, Tag, "_s));
    EXPECT_EQ(readout(utc(1901, 1, 1, 0, 0)).text, u"Ortszeit: 13:00 – 19:00"_s);
    // Before any rule, each zone keeps its local mean time; far beyond any calendar the clock
    // still tells a time. Every zone's line has its time and the sun's state, and the
    // disagreement lines stand last.
    const QRegularExpression zoneLine(
        u"^UTC[+-]\\d\\d:\\d\\d [A-Za-z_/]+: \\S+ \\d\\d:\\d\\d(, Sommerzeit)?, "
        "(Tag|Dämmerung|Nacht)(, Sonnen(aufgang|untergang) \\d\\d:\\d\\d)*"
        "(, Polarnacht|, Mitternachtssonne)?$"_s);
    const QRegularExpression changeLine(
        u"^Umstellung am \\S+ \\d\\d\\.\\d\\d\\.\\d+ um \\d\\d:\\d\\d auf UTC[+-]\\d\\d:\\d\\d"
        "(, Sommerzeit)?( \\([A-Za-z_/]+\\))?$"_s);
    for (const QDateTime &far :
         {utc(1, 1, 1, 0, 0), utc(-4000, 6, 1, 12, 0),
          QDateTime::fromMSecsSinceEpoch(std::numeric_limits<qint64>::max() / 2, Qt::UTC)}) {
        const Readout shown = readout(far);
        EXPECT_TRUE(QRegularExpression(u"^Ortszeit: \\d\\d:\\d\\d – \\d\\d:\\d\\d$"_s)
                        .match(shown.text)
                        .hasMatch())
            << shown.text.toStdString();
        for (const QString &line : shown.details.split(u'\n')) {
            if (!line.startsWith(u"Die eingebaute"_s)) {
                EXPECT_TRUE(zoneLine.match(line).hasMatch() || changeLine.match(line).hasMatch())
                    << line.toStdString();
            }
        }
        EXPECT_EQ(shown.spots.size(), directory.zones(u"US"_s).size());
    }
}

TEST(LocalTime, BuiltInOffsetTexts)
{
    EXPECT_EQ(offsetSeconds(u"+05:45"), 20700);
    EXPECT_EQ(offsetSeconds(u"-03:30"), -12600);
    EXPECT_EQ(offsetSeconds(u"+06"), 21600);
    for (QStringView bad : {u"", u"+5", u"05:00", u"+05:60", u"+0a:00", u"+05-00", u"+05:00 "})
        EXPECT_FALSE(offsetSeconds(bad)) << bad.toString().toStdString();
    EXPECT_EQ(builtInOffsets(u"+07:00 - +10:00").size(), 2);
    EXPECT_TRUE(builtInOffsets(u"+07:00 - ").isEmpty());
    EXPECT_TRUE(builtInOffsets(u"+01:00 - +02:00 - +03:00").isEmpty());
}

TEST(LocalTime, TimerWakesOnEveryMinuteBoundary)
{
    EXPECT_EQ(msecsToNextMinute(utc(2026, 1, 14, 13, 32, 20, 250)), 39750);
    EXPECT_EQ(msecsToNextMinute(utc(2026, 1, 14, 13, 32, 0, 0)), 60000);
    EXPECT_EQ(msecsToNextMinute(utc(2026, 1, 14, 13, 32, 59, 999)), 1);
    EXPECT_EQ(msecsToNextMinute(utc(1969, 12, 31, 23, 59, 59, 500)), 500) << "before 1970 too";
}

TEST_F(LocalTimeReadoutTest, FollowsTheShownCountryAndTheMinute)
{
    // Germany, half a minute before the spring switch to summer time, on the window's clock.
    QDateTime now = utc(2026, 3, 29, 0, 59, 30);
    MinuteClock clock([&now] { return now; });
    LocalTimeReadout readout;
    QObject::connect(&clock, &MinuteClock::ticked, &readout, &LocalTimeReadout::showTime);
    readout.showCountry({u"DE"_s, u"+01:00"_s, u"Euro (EUR)"_s, {}, {}});
    EXPECT_TRUE(readout.text().isEmpty()) << "no lookup before the first instant";
    EXPECT_FALSE(readout.isStarted());
    EXPECT_EQ(clock.aimedWait(), -1);
    clock.start();
    EXPECT_EQ(readout.text(), u"Ortszeit: So. 01:59"_s);
    EXPECT_EQ(clock.aimedWait(), 30000);

    now = utc(2026, 3, 29, 1, 0, 0, 5); // the timer fires at the minute
    clock.tick();
    EXPECT_EQ(readout.text(), u"Ortszeit: So. 03:00"_s);
    EXPECT_TRUE(readout.details().contains(u"Sommerzeit"_s));
    EXPECT_EQ(clock.aimedWait(), 59995);

    now = utc(2026, 3, 29, 21, 59, 0); // midnight in Berlin
    clock.tick();
    EXPECT_EQ(readout.text(), u"Ortszeit: So. 23:59"_s);
    now = utc(2026, 3, 29, 22, 0, 0);
    clock.tick();
    EXPECT_EQ(readout.text(), u"Ortszeit: Mo. 00:00"_s);

    // Another country at once, at the last instant; "?" (no record), and a record with no zone.
    readout.showCountry({u"NP"_s, u"+05:30"_s, {}, {}, {}});
    EXPECT_EQ(readout.text(), u"Ortszeit: Mo. 03:45"_s);
    readout.showCountry({});
    EXPECT_EQ(readout.text(), u"Ortszeit: ?"_s);
    readout.showCountry({u"BV"_s, {}, {}, {}, {}});
    EXPECT_EQ(readout.text(), u"Ortszeit: ?"_s);
}

TEST_F(LocalTimeReadoutTest, EveryEntryWithoutRecordOrZoneSaysQuestionMark)
{
    // Each entry of the index as the window hands it over when it is selected.
    auto form = loadedForm();
    LocalTimeReadout readout;
    readout.showCountry(form->shownCountry());
    QObject::connect(form.get(), &Form1::countryShown, &readout, &LocalTimeReadout::showCountry);
    readout.showTime({kWinter, 0});
    QStringList unknown;
    for (qint16 i = 0; i < form->List1.ListCount(); ++i) {
        form->List1.setListIndex(i);
        if (readout.text() == u"Ortszeit: ?"_s)
            unknown << form->List1.List(i).right(2);
    }
    EXPECT_EQ(unknown, (QStringList{u"BV"_s, u"FX"_s, u"HM"_s, u"NT"_s, u"SU"_s}));
}

TEST(LocalTime, TheSunAtEachZonesPlace)
{
    ZoneDirectory directory;
    const auto readout = [&directory](const QString &code, const QDateTime &at) {
        return readoutAt(code, QString(), directory.zones(code), at, directory.places());
    };
    // Berlin on 9 December 2026 (PyEphem: sunrise 08:04:47, sunset 15:52:39) and 14 July 2026
    // (05:00:36, 21:23:31).
    const Readout germany = readout(u"DE"_s, utc(2026, 12, 9, 14, 37));
    EXPECT_EQ(germany.details.section(u'\n', 0, 0),
              u"UTC+01:00 Europe/Berlin: Mi. 15:37, Tag, Sonnenaufgang 08:05, "
              "Sonnenuntergang 15:53"_s);
    EXPECT_EQ(germany.text, u"Ortszeit: Mi. 15:37"_s) << "the read-out's own text is unchanged";
    EXPECT_TRUE(readout(u"DE"_s, utc(2026, 12, 9, 15, 0)).details.contains(u", Dämmerung, "_s));
    EXPECT_TRUE(readout(u"DE"_s, utc(2026, 12, 9, 20, 0)).details.contains(u", Nacht, "_s));
    EXPECT_EQ(readout(u"DE"_s, utc(2026, 7, 14, 13, 32)).details.section(u'\n', 0, 0),
              u"UTC+02:00 Europe/Berlin: Di. 15:32, Sommerzeit, Tag, Sonnenaufgang 05:01, "
              "Sonnenuntergang 21:24"_s);

    // Longyearbyen, at 78° N: polar night in December, midnight sun in June.
    EXPECT_TRUE(readout(u"SJ"_s, utc(2026, 12, 9, 12, 0))
                    .details.section(u'\n', 0, 0)
                    .endsWith(u", Nacht, Polarnacht"_s));
    EXPECT_TRUE(readout(u"SJ"_s, utc(2026, 6, 21, 0, 0))
                    .details.section(u'\n', 0, 0)
                    .endsWith(u", Tag, Mitternachtssonne"_s));

    // Every zone with a place is a spot on the map, with its line; the offsets' lines are theirs.
    ASSERT_EQ(germany.spots.size(), 2u);
    EXPECT_EQ(germany.spots[0].zoneId, "Europe/Berlin");
    EXPECT_EQ(germany.spots[1].zoneId, "Europe/Busingen");
    EXPECT_NEAR(germany.spots[1].place.latitude, 47.7, 0.01);
    EXPECT_TRUE(germany.details.section(u'\n', 0, 0).endsWith(germany.spots[0].line));
    EXPECT_EQ(readout(u"US"_s, kWinter).spots.size(), directory.zones(u"US"_s).size());

    // A zone without a place keeps its line as it was.
    EXPECT_EQ(readoutAt(u"DE"_s, u"+01:00"_s, directory.zones(u"DE"_s), kWinter, ZonePlaces())
                  .details.section(u'\n', 0, 0),
              u"UTC+01:00 Europe/Berlin: Mi. 14:32"_s);
}

TEST(LocalTime, TheNextClockChangeOfEachOffset)
{
    // The lines that follow the offsets' lines.
    const auto changes = [](const QString &code, const QDateTime &at) {
        return readoutOf(code, QString(), at).details.split(u'\n').filter(u"Umstellung"_s);
    };
    EXPECT_EQ(changes(u"DE"_s, kWinter),
              QStringList{u"Umstellung am So. 29.03.2026 um 02:00 auf UTC+02:00, Sommerzeit"_s});
    EXPECT_TRUE(changes(u"JP"_s, kWinter).isEmpty()) << "Japan keeps its time";
    // Each of the United States' offsets in January, from its westmost zone on: Hawaii keeps
    // its time, the Aleutians beside it do not.
    const QStringList us = changes(u"US"_s, kWinter);
    ASSERT_EQ(us.size(), 6);
    EXPECT_EQ(us.front(), u"Umstellung am So. 08.03.2026 um 02:00 auf UTC-09:00, Sommerzeit"_s);
    EXPECT_EQ(us.back(), u"Umstellung am So. 08.03.2026 um 02:00 auf UTC-04:00, Sommerzeit"_s);
    // Chile in its summer: Coyhaique keeps -03:00 for good, Santiago beside it leaves it; Easter
    // Island's change falls on the day before by its clock.
    const QDateTime december = utc(2026, 12, 10, 12, 0);
    EXPECT_EQ(changes(u"CL"_s, december),
              (QStringList{u"Umstellung am Sa. 03.04.2027 um 22:00 auf UTC-06:00"_s,
                           u"Umstellung am So. 04.04.2027 um 00:00 auf UTC-04:00 "
                           "(America/Santiago)"_s}));
    // Lord Howe Island goes back half an hour, and before the mainland's zones of its offset.
    EXPECT_TRUE(changes(u"AU"_s, kWinter)
                    .contains(u"Umstellung am So. 05.04.2026 um 02:00 auf UTC+10:30 "
                              "(Australia/Lord_Howe)"_s))
        << changes(u"AU"_s, kWinter).join(u'\n').toStdString();
    // From the database, which knows the zones' changes, their instants and offsets.
    for (const QByteArray &id : {QByteArray("Europe/Berlin"), QByteArray("America/Santiago")}) {
        const QTimeZone zone(id);
        const std::optional<ClockChange> change = nextChange(zone, kWinter);
        ASSERT_TRUE(change);
        EXPECT_EQ(change->atUtc, zone.nextTransition(kWinter).atUtc);
        EXPECT_NE(change->offsetAfter, change->offsetBefore);
    }
    EXPECT_FALSE(nextChange(QTimeZone("Asia/Tokyo"), kWinter));
    EXPECT_FALSE(nextChange(QTimeZone("Europe/Berlin"), QDateTime()));
}

TEST(LocalTime, TheShownInstantShifted)
{
    EXPECT_EQ(shiftText(0), QString());
    EXPECT_EQ(shiftText(3), u"in 3 Std."_s);
    EXPECT_EQ(shiftText(-26), u"vor 1 Tag 2 Std."_s);
    EXPECT_EQ(shiftText(48), u"in 2 Tagen"_s);
    EXPECT_EQ(shiftText(-24), u"vor 1 Tag"_s);
    EXPECT_EQ(shiftText(366 * 24), u"in 366 Tagen"_s);

    const Readout now = readoutOf(u"DE"_s, u"+01:00"_s, kWinter);
    const ShiftedReadout unshifted = shiftedReadout(now, kWinter, 0);
    EXPECT_EQ(unshifted.text, now.text);
    EXPECT_EQ(unshifted.details, now.details);
    const QDateTime later = kWinter.addSecs(3 * 3600);
    const ShiftedReadout shifted = shiftedReadout(readoutOf(u"DE"_s, u"+01:00"_s, later), later, 3);
    EXPECT_EQ(shifted.text, u"Ortszeit in 3 Std.: Mi. 17:32"_s);
    EXPECT_TRUE(shifted.details.startsWith(
        u"Angezeigt: Mi. 14.01.2026 16:32 UTC, in 3 Std. (J oder Klick: jetzt)\nUTC+01:00 "
        "Europe/Berlin: Mi. 17:32"_s))
        << shifted.details.toStdString();
    EXPECT_EQ(shiftedReadout(readoutOf(QString(), {}, later), later, -2).text,
              u"Ortszeit vor 2 Std.: ?"_s);
}

TEST_F(LocalTimeReadoutTest, TheClockShiftsByWholeHoursUpToAYear)
{
    QDateTime now = utc(2026, 3, 28, 23, 59, 30);
    MinuteClock clock([&now] { return now; });
    LocalTimeReadout readout;
    QObject::connect(&clock, &MinuteClock::ticked, &readout, &LocalTimeReadout::showTime);
    readout.showCountry({u"DE"_s, u"+01:00"_s, {}, {}, {}});
    clock.start();
    EXPECT_EQ(readout.text(), u"Ortszeit: So. 00:59"_s);
    // Across Germany's change in spring: the offset and summer time follow the shown instant.
    EXPECT_TRUE(clock.shiftBy(3));
    EXPECT_EQ(clock.instant(), utc(2026, 3, 29, 2, 59, 30));
    EXPECT_EQ(readout.text(), u"Ortszeit: So. 04:59"_s);
    EXPECT_TRUE(readout.details().contains(u"UTC+02:00 Europe/Berlin: So. 04:59, Sommerzeit"_s));
    // It goes on turning while shifted.
    now = now.addSecs(60);
    clock.tick();
    EXPECT_EQ(readout.text(), u"Ortszeit: So. 05:00"_s);
    // Back to now.
    EXPECT_TRUE(clock.unshift());
    EXPECT_FALSE(clock.unshift());
    EXPECT_EQ(readout.text(), u"Ortszeit: So. 01:00"_s);
    // A year either way at most; a step beyond it does nothing.
    EXPECT_TRUE(clock.shiftBy(MinuteClock::kLongestShift));
    EXPECT_FALSE(clock.shiftBy(1));
    EXPECT_EQ(clock.shift(), MinuteClock::kLongestShift);
    EXPECT_TRUE(clock.shiftBy(-2 * MinuteClock::kLongestShift));
    EXPECT_FALSE(clock.shiftBy(-24));
    EXPECT_EQ(clock.instant(), now.addSecs(-qint64(MinuteClock::kLongestShift) * 3600));
}
