// libFuzzer target: see FuzzProperties.h. Each target is this file, built with KOLTEST_FUZZ_PROPERTIES
// naming the function that checks its properties.

#include "FuzzProperties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString failure = KOLTEST_FUZZ_PROPERTIES(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "property violated: %s\n", failure.toUtf8().constData());
        std::abort();
    }
    return 0;
}
