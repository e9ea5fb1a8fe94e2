// Host field types to PC field types, and field values from one side to the other through the caller's converter.
// Values travel as characters in both directions: a host number arrives as the host characters of its display form.
#pragma once

#include "ZRContracts.h"

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
