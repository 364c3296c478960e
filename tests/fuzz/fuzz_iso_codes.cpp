// Any bytes as either of iso-codes' files, truncated JSON, wrong types, very large inputs: the
// reader keeps only whole entries of the right kinds, and a check of any code says something
// only of what it read.
#include "fuzz_support.h"

#include "data/country_codes.h"
#include "facts/code_check.h"
#include "facts/iso_codes.h"

using namespace orbisco;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5)
        return 0;
    // Which file the bytes are, two letters and three of a record's codes, then the bytes.
    const bool first = data[0] & 1;
    const QString alpha2 = QString(QChar(u'A' + data[1] % 26)) + QChar(u'A' + data[2] % 26);
    const QString alpha3 = alpha2 + QChar(u'A' + data[3] % 26);
    const QByteArrayView json(reinterpret_cast<const char *>(data + 4), qsizetype(size - 4));
    const facts::IsoCodes codes
        = first ? facts::IsoCodes::fromJson(json, {}) : facts::IsoCodes::fromJson({}, json);
    if (const facts::IsoCodes::Country *country = codes.byAlpha2(alpha2)) {
        FUZZ_CHECK(isCapitalCode(country->alpha3, 3) && country->numeric.size() == 3);
        FUZZ_CHECK(!country->name.isEmpty());
    }
    const facts::CodeCheck check = facts::checkCode(alpha2, alpha3, codes);
    FUZZ_CHECK(codes.isEmpty() == check.details.isEmpty());
    FUZZ_CHECK(check.flag.isEmpty() || codes.byAlpha2(check.flag));
    FUZZ_CHECK(!check.stale || !check.details.isEmpty());
    return 0;
}
