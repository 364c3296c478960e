#pragma once

#include "form1_probe.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A fuzz target stops at the first broken promise, so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace orbisco::fuzz {

// Raw bytes as UTF-16 code units, so that lone surrogates and any other unit can arrive.
inline QString utf16(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    return text;
}

inline void checkCounter(const Form1 &form)
{
    FUZZ_CHECK(form.CounterLabel.Caption()
               == u'(' + QString::number(form.List1.ListCount()) + u')');
}

} // namespace orbisco::fuzz
