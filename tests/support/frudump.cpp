// Prints the 18 fields of a FRU device image, one "Label:value" line each,
// and any checksum or layout problem: the demo's before-and-after view.
#include <cstdio>
#include <string>

#include "fru_record.h"
#include "korrel_run.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: frudump IMAGE\n");
        return 2;
    }
    static const char *const labels[18] = {
        "Chassis Part Number", "Chassis Serial Number", "Custom Chassis Info", "MFG Date Time",
        "Board manufacturer", "Board Product Name", "Board Serial Number", "Board Part Number",
        "FRU File IDS", "Custom MFG", "Manufacturer Name", "Product Name",
        "Product Part Model Number", "Product Version", "Product Serial Number", "Asset Tag",
        "FRU File ID", "Custom Product Info",
    };
    std::string bytes = e2e::readFile(argv[1]);
    fru::Decoded d = fru::decode(fru::Bytes(bytes.begin(), bytes.end()));
    for (int i = 0; i < 18; ++i)
        std::printf("  %-26s %s\n", labels[i], d.fields[i].c_str());
    for (const std::string &p : d.problems)
        std::printf("  problem: %s\n", p.c_str());
    return d.problems.empty() ? 0 : 1;
}
