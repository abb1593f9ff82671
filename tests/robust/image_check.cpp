#include "image_check.h"

namespace check {

namespace {

constexpr int kBlock = 8;
constexpr uint8_t kVersion = 0x01;
constexpr uint8_t kEndMarker = 0xC1;
constexpr uint8_t kTextType = 0xC0;  // 8-bit text in the two type bits

bool sumsToZero(const uint8_t *bytes, size_t count)
{
    unsigned sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return (sum & 0xFF) == 0;
}

struct AreaShape {
    int fixedBytes;  // behind version and length
    int fields;
    int firstField;
};

constexpr AreaShape kChassis = {1, 3, 0};
constexpr AreaShape kBoard = {4, 6, 3};
constexpr AreaShape kProduct = {1, 8, 9};

// Reads the area at block `at`; returns its length in blocks, or 0 with
// *why set.
int readArea(const uint8_t *rec, size_t size, int at, const AreaShape &shape, Image *out,
             const char **why)
{
    size_t start = static_cast<size_t>(at) * kBlock;
    if (start + kBlock > size || rec[start] != kVersion || rec[start + 1] == 0) {
        *why = "area header";
        return 0;
    }
    int blocks = rec[start + 1];
    size_t end = start + static_cast<size_t>(blocks) * kBlock;  // one past the checksum
    if (end > size || !sumsToZero(rec + start, end - start)) {
        *why = "area checksum or length";
        return 0;
    }
    size_t pos = start + 2 + shape.fixedBytes;
    for (int i = 0; i < shape.fields; ++i) {
        if (pos >= end - 1 || (rec[pos] & kTextType) != kTextType) {
            *why = "type/length byte";
            return 0;
        }
        int length = rec[pos] & 0x3F;
        if (pos + 1 + length > end - 2) {
            *why = "field runs past its area";
            return 0;
        }
        out->fields[shape.firstField + i] = {rec + pos + 1, length};
        pos += 1 + length;
    }
    if (rec[pos] != kEndMarker) {
        *why = "end marker";
        return 0;
    }
    for (size_t p = pos + 1; p < end - 1; ++p)
        if (rec[p] != 0) {
            *why = "pad byte";
            return 0;
        }
    // The area is as short as its bytes allow: end marker and checksum fit.
    if ((pos + 1 - start + 1 + kBlock - 1) / kBlock != static_cast<size_t>(blocks)) {
        *why = "area longer than its fields";
        return 0;
    }
    return blocks;
}

}  // namespace

const char *readImage(const uint8_t *rec, size_t size, Image *out)
{
    if (size < 2 * kBlock || !sumsToZero(rec, kBlock) || rec[0] != kVersion)
        return "common header";
    if (rec[1] != 1 || rec[5] != 0 || rec[6] != 0)
        return "header offsets";
    if (rec[kBlock] != kVersion || !sumsToZero(rec + kBlock, kBlock))
        return "internal use block";
    // The three areas back to back from block 2, each where the header says.
    struct Step {
        const AreaShape &shape;
        int headerByte;
        int *offset;
    } const steps[] = {
        {kChassis, 2, &out->chassis}, {kBoard, 3, &out->board}, {kProduct, 4, &out->product}};
    int at = 2;
    for (const Step &step : steps) {
        if (rec[step.headerByte] != at)
            return "area offset";
        *step.offset = at;
        const char *why = nullptr;
        int blocks = readArea(rec, size, at, step.shape, out, &why);
        if (blocks == 0)
            return why;
        at += blocks;
    }
    for (int i = 0; i < 3; ++i)
        out->date[i] = rec[out->board * kBlock + 3 + i];
    out->lastBlock = at - 1;
    return nullptr;
}

}  // namespace check
