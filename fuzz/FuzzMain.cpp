// The libFuzzer entry of one target, chosen at build time by BREVATH_FUZZ_TARGET (its index).

#include <cstddef>
#include <cstdint>

#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    brevath::fuzz::kTargets[BREVATH_FUZZ_TARGET].run(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
