#include "fru_record.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace fru {

namespace {

uint8_t zeroChecksum(const Bytes &b, size_t from, size_t to)
{
    unsigned sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += b[i];
    return static_cast<uint8_t>(-sum);
}

// Version, length, fixed bytes, fields as 8-bit text, C1, zero padding,
// checksum: the info area format.
Bytes area(const Bytes &fixed, const std::vector<std::string> &values)
{
    Bytes a = {0x01, 0x00};
    a.insert(a.end(), fixed.begin(), fixed.end());
    for (const std::string &v : values) {
        a.push_back(static_cast<uint8_t>(0xC0 | v.size()));
        a.insert(a.end(), v.begin(), v.end());
    }
    a.push_back(0xC1);
    while ((a.size() + 1) % 8 != 0)
        a.push_back(0x00);
    a.push_back(0x00);
    a[1] = static_cast<uint8_t>(a.size() / 8);
    a.back() = zeroChecksum(a, 0, a.size() - 1);
    return a;
}

uint8_t hexByte(const std::string &s, size_t at)
{
    return static_cast<uint8_t>(std::stoi(s.substr(at, 2), nullptr, 16));
}

}  // namespace

Bytes build(const Fields &f, const Layout &layout)
{
    Bytes date = {hexByte(f[3], 4), hexByte(f[3], 2), hexByte(f[3], 0)};
    // Index into the header's offsets: internal use, chassis, board, product.
    std::vector<std::pair<int, Bytes>> areas;
    if (layout.internalUse)
        areas.push_back({0, Bytes(8 * layout.internalUseBlocks, 0x00)});
    if (layout.chassis)
        areas.push_back({1, area({0x17}, {f[0], f[1], f[2]})});
    Bytes boardFixed = {0x00, date[0], date[1], date[2]};
    areas.push_back({2, area(boardFixed, {f[4], f[5], f[6], f[7], f[8], f[9]})});
    areas.push_back({3, area({0x00}, {f[10], f[11], f[12], f[13], f[14], f[15], f[16], f[17]})});

    Bytes rec(8, 0x00);
    int offsets[4] = {0, 0, 0, 0};
    for (const auto &[slot, a] : areas) {
        offsets[slot] = static_cast<int>(rec.size() / 8);
        rec.insert(rec.end(), a.begin(), a.end());
        rec.insert(rec.end(), 8 * layout.gapBlocks, 0x00);
    }
    rec[0] = 0x01;
    for (int i = 0; i < 4; ++i)
        rec[1 + i] = static_cast<uint8_t>(offsets[i]);
    rec[7] = zeroChecksum(rec, 0, 7);
    if (rec.size() < static_cast<size_t>(layout.deviceSize))
        rec.resize(layout.deviceSize, layout.fill);
    return rec;
}

Decoded decode(const Bytes &rec)
{
    Decoded d;
    auto problem = [&](const std::string &p) { d.problems.push_back(p); };
    if (rec.size() < 8 || zeroChecksum(rec, 0, 8) != 0) {
        problem("header checksum");
        return d;
    }
    struct Where { int offset; Bytes::size_type fixed; std::vector<int> fields; const char *name; };
    Where where[] = {
        {rec[2], 1, {0, 1, 2}, "chassis"},
        {rec[3], 4, {4, 5, 6, 7, 8, 9}, "board"},
        {rec[4], 1, {10, 11, 12, 13, 14, 15, 16, 17}, "product"},
    };
    for (const Where &w : where) {
        if (w.offset == 0)
            continue;
        size_t start = 8u * w.offset;
        if (start + 8 > rec.size() || start + 8u * rec[start + 1] > rec.size()) {
            problem(std::string(w.name) + " area outside the device");
            continue;
        }
        size_t len = 8u * rec[start + 1];
        if (len == 0 || zeroChecksum(rec, start, start + len) != 0)
            problem(std::string(w.name) + " checksum");
        size_t at = start + 2 + w.fixed;
        if (w.fixed == 4) {
            char text[7];
            std::snprintf(text, sizeof text, "%02X%02X%02X", rec[start + 5], rec[start + 4], rec[start + 3]);
            d.fields[3] = text;
        }
        for (int field : w.fields) {
            if (at >= start + len || rec[at] == 0xC1) {
                problem(std::string(w.name) + " field missing");
                break;
            }
            size_t n = rec[at] & 0x3F;
            d.fields[field].assign(rec.begin() + at + 1, rec.begin() + at + 1 + n);
            // A NUL pads a one-character text; decoders show what is before it.
            d.fields[field] = d.fields[field].c_str();
            at += 1 + n;
        }
        if (at >= start + len || rec[at] != 0xC1)
            problem(std::string(w.name) + " end marker");
    }
    return d;
}

Bytes moveArea(Bytes rec, int slot, int toBlock)
{
    size_t from = 8u * rec[slot];
    size_t len = 8u * rec[from + 1];
    Bytes area(rec.begin() + from, rec.begin() + from + len);
    std::fill(rec.begin() + from, rec.begin() + from + len, 0x00);
    if (rec.size() < 8u * toBlock + len)
        rec.resize(8u * toBlock + len, 0x00);
    std::copy(area.begin(), area.end(), rec.begin() + 8 * toBlock);
    rec[slot] = static_cast<uint8_t>(toBlock);
    rec[7] = 0;
    rec[7] = zeroChecksum(rec, 0, 7);
    return rec;
}

Bytes blocks(const Bytes &rec, int first, int count)
{
    return Bytes(rec.begin() + 8 * first, rec.begin() + 8 * (first + count));
}

std::string hexDump(const Bytes &bytes)
{
    std::string out;
    char text[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(text, sizeof text, "%02X", bytes[i]);
        out += text;
        out += (i % 8 == 7) ? "\n" : " ";
    }
    return out;
}

Bytes parseHex(const std::string &text)
{
    Bytes out;
    std::istringstream in(text);
    std::string tok;
    while (in >> tok)
        out.push_back(static_cast<uint8_t>(std::stoi(tok, nullptr, 16)));
    return out;
}

Fields sampleFields()
{
    return {"CTS-CH2U-0042", "CSN7F3A90215", "Rack 2U 12xLFF", "DBB0BE",
            "Contoso Systems", "Contoso X12DP-T Mainboard", "BSN23M170481",
            "MB-X12DPT-A03", "", "PCBA Rev A03", "Contoso Systems",
            "Contoso Vantage R2240", "VR2240-SKU-8841", "1.02", "PSN4Q9B77120",
            "ASSET-000731", "FRU-R2240-3", "Config BTO-17"};
}

}  // namespace fru
