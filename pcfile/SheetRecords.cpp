#include "SheetRecords.h"

#include "NumberText.h"

#include <cstdlib>
#include <string>

bool ReadSheetNumber(const char* text, size_t length, bool minusMakesNumber, SheetNumber& number)
{
    if (!IsNumberText(text, length))
        return false;
    const std::string copy(text, length);
    number.value = std::strtod(copy.c_str(), nullptr);
    const bool floating = copy.find_first_of(minusMakesNumber ? ".Ee-" : ".Ee") != std::string::npos;
    number.integer = !floating && number.value >= -32768 && number.value <= 32767;
    return true;
}
