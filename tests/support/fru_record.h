// A FRU record builder and reader for the tests, written apart from
// korrel's own encoder and decoder so that each checks the other.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace fru {

using Bytes = std::vector<uint8_t>;
// The 18 values in fru.txt order; [3] is the date as six hex digits, most
// significant byte first.
using Fields = std::array<std::string, 18>;

struct Layout {
    bool internalUse = false;   // a one-block internal use area at block 1
    int internalUseBlocks = 1;
    bool chassis = true;
    int gapBlocks = 0;          // zero blocks after each area
    int deviceSize = 512;
    uint8_t fill = 0x00;        // bytes behind the record
};

// Builds a record whose areas hold the given values.
Bytes build(const Fields &fields, const Layout &layout = {});

// Reads a record back: its values, and whether every checksum, area length
// and end marker is sound (problems lists what is not).
struct Decoded {
    Fields fields;
    std::vector<std::string> problems;
};
Decoded decode(const Bytes &record);

// Moves the area that header byte `slot` (2 chassis, 3 board, 4 product)
// points at to another block, leaving zeros behind, and mends the header.
Bytes moveArea(Bytes record, int slot, int toBlock);

// The bytes of blocks [first, first + count) of a record.
Bytes blocks(const Bytes &record, int first, int count);

// 8-byte blocks written as "01 02 ..", for readable failure messages.
std::string hexDump(const Bytes &bytes);

// Parses "01 0a ff" into bytes.
Bytes parseHex(const std::string &text);

Fields sampleFields();

}  // namespace fru
