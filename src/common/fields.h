// The 18 FRU fields korrel edits, and the three info areas that hold them.
// One table serves the editor, the usage text, fru.txt, the decoder and the
// encoder, so a field's key, label and place cannot drift apart.
#pragma once

#include <cstdint>

namespace korrel {

constexpr int kFieldCount = 18;
constexpr int kLengthCount = 17;  // every field but the MFG date has a type/length byte
constexpr int kLabelSlot = 30;
constexpr int kMaxValue = 63;     // six length bits
constexpr int kValueSlot = 65;    // a 63-byte value read back from fru.txt keeps its newline
constexpr int kDateField = 3;
constexpr int kDateTextLength = 6;
constexpr int kBoardSerialField = 6;

constexpr uint8_t kFormatVersion = 0x01;  // of the common header and each info area

// A type/length byte keeps the field's length in its low six bits.  C1 (an
// 8-bit text of length 1 anywhere else) ends an area's fields.
constexpr uint8_t kLengthMask = 0x3F;
constexpr uint8_t kEndOfFields = 0xC1;
// The two type bits above the length: 11b is 8-bit text (ASCII + Latin 1, or
// 16-bit Unicode where the area's language is not English); 00b binary, 01b
// BCD plus and 10b 6-bit packed ASCII.  korrel writes what it edits as text.
constexpr uint8_t kTypeMask = 0xC0;
constexpr uint8_t kText = 0xC0;

enum class Area { chassis, board, product };

struct FieldDef {
    const char *key;  // command-line key; nullptr for the MFG date
    Area area;
    bool custom;      // at most one custom field closes each area
};

constexpr FieldDef kFields[] = {
    {"CPN", Area::chassis, false}, {"CSN", Area::chassis, false},
    {"CCI", Area::chassis, true},  {nullptr, Area::board, false},
    {"BM", Area::board, false},    {"BPN", Area::board, false},
    {"BSN", Area::board, false},   {"BAN", Area::board, false},
    {"FFI", Area::board, false},   {"CM", Area::board, true},
    {"MN", Area::product, false},  {"PN", Area::product, false},
    {"PPN", Area::product, false}, {"PV", Area::product, false},
    {"PSN", Area::product, false}, {"AT", Area::product, false},
    {"FII", Area::product, false}, {"CPI", Area::product, true},
};
static_assert(sizeof kFields / sizeof kFields[0] == kFieldCount,
              "one entry per field");

// Labels are both the line prefix of fru.txt and what its parser searches for.
extern const char fruname[kFieldCount][kLabelSlot];

// An info area as the FRU storage definition lays it out: version and length
// bytes, the fixed bytes behind them, then its type/length fields.
struct AreaDef {
    Area area;
    int firstField;      // field index of its first type/length field
    int fieldCount;      // the custom field included
    int fixedBytes;      // behind version and length: type or language (+ date)
    int firstTypeLength; // data byte of the first type/length field in its first block
    bool hasDate;        // the board's MFG date sits in data bytes 3 to 5
    // Data byte 2 for a record that lacks the area: chassis type 23 (Rack
    // Mount Chassis in the SMBIOS enumeration), language code 0 (English).
    uint8_t defaultCode;
    const char *name;  // in the area's messages
};

constexpr AreaDef kAreas[] = {
    {Area::chassis, 0, 3, 1, 3, false, 0x17, "Chassis"},
    {Area::board, 4, 6, 4, 6, true, 0x00, "Board"},
    {Area::product, 10, 8, 1, 3, false, 0x00, "Product"},
};
static_assert(sizeof kAreas / sizeof kAreas[0] == 3, "chassis, board, product");
static_assert(kAreas[0].fieldCount + kAreas[1].fieldCount + kAreas[2].fieldCount ==
                  kLengthCount,
              "the areas hold every type/length field once");

constexpr const AreaDef &areaDef(Area area)
{
    return kAreas[static_cast<int>(area)];
}

// Index of a field's type/length counter: the field order with the date left out.
constexpr int lengthIndex(int field)
{
    return field < kDateField ? field : field - 1;
}

// Field index of a command-line key (exact, case-sensitive), or -1.
int fieldByKey(const char *key);

}  // namespace korrel
