#pragma once
// A libFuzzer target's entry point, given the input as bytes: ZORVI_FUZZ_TARGET(bytes) { ...; return 0; }
#include "common/ZError.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#define ZORVI_FUZZ_TARGET(bytes)                                                                             \
    static int FuzzOne(const QByteArray &bytes);                                                             \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)                                  \
    {                                                                                                        \
        return FuzzOne(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));                   \
    }                                                                                                        \
    static int FuzzOne(const QByteArray &bytes)

// Runs fn; the errors the program reports to the user are a fine outcome, any other exception is not.
template <typename Fn> void AllowingErrors(Fn &&fn)
{
    try {
        fn();
    } catch (const ZError &) {
    }
}
