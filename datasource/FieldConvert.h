// Host field types to PC field types, and field values from one side to the other through the caller's converter.
// Values travel as characters in both directions: a host number arrives as the host characters of its display form.
#pragma once

#include "ZRContracts.h"

#include <vector>

// PC field description for a host field. characterSet is profile parameter 4: 1 chooses the ASCII member of each
// PcFieldType pair, any other value the ANSI member. FALSE for a host type outside 1..7.
BOOL MapFieldType(const DSField& host, DSField& pc, int characterSet);

// Translates the host field's value into the PC field's value. FALSE when the pair of types has no conversion.
BOOL ConvertFieldToPC(const DSField& host, DSField& pc, const EnvironmentCallbacks* environment);
// Translates the PC field's value into the host field's value (right-to-left text is first put back into
// logical order in the PC value itself). FALSE when the pair of types has no conversion.
BOOL ConvertFieldToHost(const DSField& pc, DSField& host, const EnvironmentCallbacks* environment);

// Reorders right-to-left text in place with the device context of the environment; unchanged when that fails.
void ReorderBidiText(char* text, WORD length, const EnvironmentCallbacks* environment);

// The conversion of a host type into a PC field, worked out once for a layout: the converter mode for the pair of
// types (-1 when the pair has none) and whether the PC type is reordered when the environment is right-to-left.
struct PcConversion
{
    int hostType;
    int mode;
    bool reorderable;
};
PcConversion PrepareConversionToPC(int hostType, const DSField& pc);

// ConvertFieldToPC for a host field of the type the conversion was prepared for; any other host type is converted
// by ConvertFieldToPC itself.
inline BOOL ConvertPreparedToPC(const PcConversion& conversion, const DSField& host, DSField& pc,
                                const EnvironmentCallbacks* environment)
{
    if (host.type != conversion.hostType)
        return ConvertFieldToPC(host, pc, environment);
    if (conversion.mode < 0 || !environment || !host.value || !pc.value)
        return FALSE;
    const unsigned hostLength = static_cast<unsigned short>(host.length);
    const unsigned pcLength = static_cast<unsigned short>(pc.length);
    WORD length = static_cast<WORD>(hostLength < pcLength ? hostLength : pcLength);
    if (!environment->TranslateCodePage(conversion.mode, host.value, pc.value, length, &length))
        return FALSE;
    if (conversion.reorderable && environment->rightToLeft)
        ReorderBidiText(pc.value, length, environment);
    return TRUE;
}

// The conversion of a PC type into a host field, kept for one field of a layout: the converter mode for the pair
// of types (-1 when the pair has none) and whether the PC value is reordered when the environment is right-to-left.
// A conversion made without a pair of types holds the answer for host type 0 and PC type 0: no conversion.
struct HostConversion
{
    int hostType = 0;
    int pcType = 0;
    int mode = -1;
    bool reorderable = false;
};
HostConversion PrepareConversionToHost(int hostType, int pcType);
// Room for one conversion for each of count fields, each made when its field first comes. False when out of memory.
bool SizeHostConversions(std::vector<HostConversion>& conversions, int count);

// ConvertFieldToHost through the conversion kept for the host field; the conversion is made again first when
// either field's type is not the one it was made for.
inline BOOL ConvertPreparedToHost(HostConversion& conversion, const DSField& pc, DSField& host,
                                  const EnvironmentCallbacks* environment)
{
    if (pc.type != conversion.pcType || host.type != conversion.hostType)
        conversion = PrepareConversionToHost(host.type, pc.type);
    if (conversion.mode < 0 || !environment || !host.value || !pc.value)
        return FALSE;
    const unsigned hostLength = static_cast<unsigned short>(host.length);
    const unsigned pcLength = static_cast<unsigned short>(pc.length);
    WORD length = static_cast<WORD>(hostLength < pcLength ? hostLength : pcLength);
    if (conversion.reorderable && environment->rightToLeft)
        ReorderBidiText(pc.value, length, environment);
    return environment->TranslateCodePage(conversion.mode, pc.value, host.value, length, &length);
}

// True for the PC text types 10 and 11.
inline bool IsPcTextType(int pcType)
{
    return pcType == PFT_TEXT_ASCII || pcType == PFT_TEXT_ANSI;
}

// True for the PC number types that the text formats write: 13, 14, 16, 17, 19, 20, 22 and 23.
inline bool IsPcNumberType(int pcType)
{
    switch (pcType)
    {
    case PFT_SHORT_INTEGER_ASCII:
    case PFT_SHORT_INTEGER_ANSI:
    case PFT_LONG_INTEGER_ASCII:
    case PFT_LONG_INTEGER_ANSI:
    case PFT_SHORT_DECIMAL_ASCII:
    case PFT_SHORT_DECIMAL_ANSI:
    case PFT_LONG_DECIMAL_ASCII:
    case PFT_LONG_DECIMAL_ANSI:
        return true;
    default:
        return false;
    }
}
