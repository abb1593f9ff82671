#include "record.h"

#include <cstring>

namespace korrel {

int &offsetOf(FruLayout &layout, Region region)
{
    int *offsets[] = {&layout.internalUse, &layout.chassis, &layout.board, &layout.product,
                      &layout.multiRecord};
    return *offsets[static_cast<int>(region)];
}

int offsetOf(const FruLayout &layout, Region region)
{
    return offsetOf(const_cast<FruLayout &>(layout), region);
}

void resetRecord(FruRecord &record, FruValues &values)
{
    record = FruRecord{};
    values = FruValues{};
    record.deviceSize = -1;
    constexpr Region kOwn[] = {Region::internalUse, Region::chassis, Region::board, Region::product};
    for (Region region : kOwn)
        record.order[record.regions++] = region;
    for (int a = 0; a < kAreaCount; ++a) {
        record.areaCode[a] = kAreas[a].defaultCode;
        record.hadCustom[a] = true;
    }
    for (FieldForm &form : values.form)
        form.type = kText;
    std::memset(values.text[kDateField], '0', kDateTextLength);
}

bool isUnicodeText(const FruRecord &record, Area area, uint8_t type)
{
    uint8_t code = record.areaCode[static_cast<int>(area)];
    return type == kText && areaDef(area).hasLanguage && code != kEnglish && code != kEnglishToo;
}

}  // namespace korrel
