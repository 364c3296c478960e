#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace orbisco {

// UTC offsets as the built-in records and the program write them: one reader of their digits
// and one writer.

// The whole hour of a UTC offset text, read from its first three characters ("+05:30" gives 5,
// "-03:30" gives -3, "+07:00 - +10:00" gives 7): optional blanks around an optional sign and
// decimal digits. Empty when those characters are no such number.
std::optional<qint16> zoneNumber(QStringView offset);

// A written UTC offset in seconds: a sign, two digits of hours, and optionally a colon and two
// digits of minutes ("+04:30", "-11:00", "+06"); empty if it is none.
std::optional<int> offsetSeconds(QStringView text);

// How an offset is written: in whole hours, as the map's columns ("+5", "-11", "±0"), or in
// hours and minutes ("+05:45", "-10:00", "+00:00").
enum class OffsetForm { Hours, HoursAndMinutes };
QString writtenOffset(int seconds, OffsetForm form);

} // namespace orbisco
