// The 18 FRU fields korrel edits, and the three info areas that hold them.
// One table serves the editor, the usage text, fru.txt, the decoder and the
// encoder, so a field's key, label and place cannot drift apart.
#pragma once

#include <cstdint>

#include "format.h"

namespace korrel {

constexpr int kFieldCount = 18;
constexpr int kLengthCount = 17;  // every field but the MFG date has a type/length byte
constexpr int kMaxValue = 63;     // six length bits
constexpr int kValueSlot = kMaxValue + 1;  // a value and its NUL
constexpr int kDateField = 3;
constexpr int kDateTextLength = 6;
constexpr int kBoardSerialField = 6;

enum class Area { chassis, board, product };
constexpr int kAreaCount = 3;

// A field's label is both its line prefix in fru.txt and what the parser
// searches that line for; the usage text shows it without its colon.
struct FieldDef {
    const char *key;  // command-line key; nullptr for the MFG date
    const char *label;
    Area area;
    bool custom;      // at most one custom field closes each area
};

constexpr FieldDef kFields[] = {
    {"CPN", "Chassis Part Number:", Area::chassis, false},
    {"CSN", "Chassis Serial Number:", Area::chassis, false},
    {"CCI", "Custom Chassis Info:", Area::chassis, true},
    {nullptr, "MFG Date Time:", Area::board, false},
    {"BM", "Board manufacturer:", Area::board, false},
    {"BPN", "Board Product Name:", Area::board, false},
    {"BSN", "Board Serial Number:", Area::board, false},
    {"BAN", "Board Part Number:", Area::board, false},
    {"FFI", "FRU File IDS:", Area::board, false},
    {"CM", "Custom MFG:", Area::board, true},
    {"MN", "Manufacturer Name:", Area::product, false},
    {"PN", "Product Name:", Area::product, false},
    {"PPN", "Product Part Model Number:", Area::product, false},
    {"PV", "Product Version:", Area::product, false},
    {"PSN", "Product Serial Number:", Area::product, false},
    {"AT", "Asset Tag:", Area::product, false},
    {"FII", "FRU File ID:", Area::product, false},
    {"CPI", "Custom Product Info:", Area::product, true},
};
static_assert(sizeof kFields / sizeof kFields[0] == kFieldCount,
              "one entry per field");

// An info area as the FRU storage definition lays it out: version and length
// bytes, the fixed bytes behind them, then its type/length fields.
struct AreaDef {
    Area area;
    int firstField;      // field index of its first type/length field
    int fieldCount;      // the custom field included
    int fixedBytes;      // behind version and length: type or language (+ date)
    int firstTypeLength; // data byte of the first type/length field in its first block
    bool hasDate;        // the board's MFG date sits in data bytes 3 to 5
    bool hasLanguage;    // data byte 2 is a language code, not the chassis type
    // Data byte 2 for a record that lacks the area: chassis type 23 (Rack
    // Mount Chassis in the SMBIOS enumeration), language code 0 (English).
    uint8_t defaultCode;
    const char *name;  // in the area's messages
};

constexpr AreaDef kAreas[] = {
    {Area::chassis, 0, 3, 1, 3, false, false, 0x17, "Chassis"},
    {Area::board, 4, 6, 4, 6, true, true, kEnglish, "Board"},
    {Area::product, 10, 8, 1, 3, false, true, kEnglish, "Product"},
};
static_assert(sizeof kAreas / sizeof kAreas[0] == kAreaCount, "chassis, board, product");
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
