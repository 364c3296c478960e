#include "data/utc_offset.h"

#include <algorithm>
#include <cstdlib>

namespace orbisco {

namespace {

constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;

// What stands at the start of a text: an optional sign, then up to maxDigits decimal digits.
struct Leading
{
    int sign = 0; // -1, +1, or 0 for none
    int value = 0;
    qsizetype digits = 0;
    qsizetype length = 0; // characters read, the sign included

    int signedValue() const { return sign < 0 ? -value : value; }
};

Leading readLeading(QStringView text, qsizetype maxDigits)
{
    Leading read;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        read.sign = text.front() == u'-' ? -1 : 1;
        read.length = 1;
    }
    while (read.length < text.size() && read.digits < maxDigits) {
        const char16_t ch = text[read.length].unicode();
        if (ch < u'0' || ch > u'9')
            break;
        read.value = read.value * 10 + (ch - u'0');
        ++read.digits;
        ++read.length;
    }
    return read;
}

} // namespace

std::optional<qint16> zoneNumber(QStringView offset)
{
    const QStringView head = offset.first(std::min<qsizetype>(offset.size(), 3)).trimmed();
    const Leading read = readLeading(head, head.size());
    if (read.digits == 0 || read.length != head.size())
        return std::nullopt;
    return static_cast<qint16>(read.signedValue());
}

std::optional<int> offsetSeconds(QStringView text)
{
    if (text.size() != 3 && text.size() != 6)
        return std::nullopt;
    const Leading hours = readLeading(text, 2);
    if (hours.sign == 0 || hours.digits != 2 || hours.length != 3)
        return std::nullopt;
    int minutes = 0;
    if (text.size() == 6) {
        const Leading read = readLeading(text.sliced(4), 2);
        if (text[3] != u':' || read.sign != 0 || read.digits != 2 || read.value >= 60)
            return std::nullopt;
        minutes = read.value;
    }
    const int seconds = hours.value * kSecondsPerHour + minutes * kSecondsPerMinute;
    return hours.sign < 0 ? -seconds : seconds;
}

QString writtenOffset(int seconds, OffsetForm form)
{
    const QChar sign(seconds < 0 ? u'-' : u'+');
    const int minutes = std::abs(seconds) / kSecondsPerMinute;
    if (form == OffsetForm::Hours) {
        if (minutes / 60 == 0)
            return QStringLiteral("±0");
        return sign + QString::number(minutes / 60);
    }
    return QStringLiteral("%1%2:%3")
        .arg(sign)
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace orbisco
