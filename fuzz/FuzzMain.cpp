// The libFuzzer entry of one target, chosen at build time by BREVATH_FUZZ_TARGET (its name).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "FuzzTargets.h"

namespace {

const brevath::fuzz::FuzzTarget &chosenTarget()
{
    static const brevath::fuzz::FuzzTarget *const target = [] {
        for (const brevath::fuzz::FuzzTarget &candidate : brevath::fuzz::kTargets) {
            if (std::strcmp(candidate.name, BREVATH_FUZZ_TARGET) == 0)
                return &candidate;
        }
        std::fprintf(stderr, "No fuzz target is named %s.\n", BREVATH_FUZZ_TARGET);
        std::abort();
    }();
    return *target;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    chosenTarget().run(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
