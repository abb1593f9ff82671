// The encoder fed arbitrary stored texts.  Input: one byte whose low bit
// selects ONLY_BSN, then for each of the 18 fields a length byte (taken
// modulo 65) and that many bytes of text; a text stops at its first NUL, as
// a stored text would.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz_checks.h"
#include "write.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::silenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static korrel::RunState st;
    std::memset(&st, 0, sizeof st);
    size_t at = 0;
    korrel::g_only_BSN = size > 0 ? data[at++] & 1 : 0;
    korrel::startFruImage(st);
    constexpr size_t kLongestText = korrel::kValueSlot - 1;
    for (int f = 0; f < korrel::kFieldCount && at < size; ++f) {
        size_t length = data[at++] % (kLongestText + 1);
        if (length > size - at)
            length = size - at;
        std::memcpy(st.fruvalue[f], data + at, length);
        at += length;
    }
    fuzz::requireImage(st, korrel::buildFruImage(st), korrel::g_only_BSN != 0);
    return 0;
}
