#include <cstring>

#include "bmc.h"
#include "console.h"
#include "driver.h"

namespace korrel {

namespace {

constexpr char kFruIdOption[] = "--fru-id";
constexpr size_t kFruIdOptionLength = sizeof kFruIdOption - 1;

// A FRU device ID in decimal, or -1.  No sign, blank or leading zero:
// ipmitool, which the operator looks the ID up with, reads "010" as octal 8.
int parseFruId(const char *text)
{
    if (text[0] == '\0' || (text[0] == '0' && text[1] != '\0'))
        return -1;
    int id = 0;
    for (const char *c = text; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9')
            return -1;
        id = 10 * id + (*c - '0');
        // Checked at every digit, so that a long number cannot overflow.
        if (id > kMaxFruDevice)
            return -1;
    }
    return id;
}

// How many arguments the option takes at argv[1], 0 when it is not there,
// and its ID text ("" when it is missing, which is no ID).
int findFruIdOption(int argc, char **argv, const char *&idText)
{
    if (argc < 2)
        return 0;
    const char *first = argv[1];
    if (std::strcmp(first, kFruIdOption) == 0) {
        idText = argc > 2 ? argv[2] : "";
        return 2;
    }
    if (std::strncmp(first, kFruIdOption, kFruIdOptionLength) == 0 && first[kFruIdOptionLength] == '=') {
        idText = first + kFruIdOptionLength + 1;
        return 1;
    }
    return 0;
}

}  // namespace

bool takeFruIdOption(int &argc, char **&argv, int &device)
{
    device = kFruDevice;
    const char *idText = "";
    const int taken = findFruIdOption(argc, argv, idText);
    if (taken == 0)
        return true;
    device = parseFruId(idText);
    if (device < 0) {
        putLine(msg::kBadFruId);
        return false;
    }
    // The last argument taken stands where the program's name stood, which
    // the edit command never reads.
    argc -= taken;
    argv += taken;
    return true;
}

}  // namespace korrel
