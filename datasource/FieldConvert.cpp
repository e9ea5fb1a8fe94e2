#include "FieldConvert.h"

#include "DataSource.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace
{
enum PcKind
{
    KIND_TEXT,
    KIND_SHORT_INTEGER,
    KIND_LONG_INTEGER,
    KIND_SHORT_DECIMAL,
    KIND_LONG_DECIMAL,
};

int PcTypeOf(PcKind kind, bool ascii)
{
    static const int asciiTypes[] = {PFT_TEXT_ASCII, PFT_SHORT_INTEGER_ASCII, PFT_LONG_INTEGER_ASCII,
                                     PFT_SHORT_DECIMAL_ASCII, PFT_LONG_DECIMAL_ASCII};
    static const int ansiTypes[] = {PFT_TEXT_ANSI, PFT_SHORT_INTEGER_ANSI, PFT_LONG_INTEGER_ANSI,
                                    PFT_SHORT_DECIMAL_ANSI, PFT_LONG_DECIMAL_ANSI};
    return ascii ? asciiTypes[kind] : ansiTypes[kind];
}

// ConverterMode towards the PC for a host type and PC type, or -1 when the pair has no conversion.
int ModeToPc(int hostType, int pcType)
{
    switch (pcType)
    {
    case PFT_TEXT_ASCII:
        return hostType == HFT_CHARACTER ? ZRCM_EBCDIC_TO_ASCII : -1;
    case PFT_TEXT_ANSI:
        return hostType == HFT_CHARACTER ? ZRCM_EBCDIC_TO_ANSI : -1;
    case PFT_SHORT_INTEGER_ASCII:
    case PFT_LONG_INTEGER_ASCII:
    case PFT_SHORT_DECIMAL_ASCII:
    case PFT_LONG_DECIMAL_ASCII:
        return (hostType == HFT_PACKED || hostType == HFT_ZONED || hostType == HFT_BINARY) ? ZRCM_EBCDIC_TO_ASCII : -1;
    case PFT_SHORT_INTEGER_ANSI:
    case PFT_LONG_INTEGER_ANSI:
    case PFT_SHORT_DECIMAL_ANSI:
    case PFT_LONG_DECIMAL_ANSI:
        return (hostType == HFT_PACKED || hostType == HFT_ZONED || hostType == HFT_BINARY) ? ZRCM_EBCDIC_TO_ANSI : -1;
    case PFT_PACKED:
        return hostType == HFT_PACKED ? ZRCM_EBCDIC_TO_ASCII : -1;
    case PFT_ZONED:
        return hostType == HFT_ZONED ? ZRCM_EBCDIC_TO_ASCII : -1;
    case PFT_BINARY:
        return hostType == HFT_BINARY ? ZRCM_EBCDIC_TO_ASCII : -1;
    default:
        return -1;
    }
}

bool ReordersText(const DSField& pc, const EnvironmentCallbacks* environment)
{
    return environment->rightToLeft && pc.type == PFT_TEXT_ANSI;
}

// Bytes the converter may read from the source and write to the destination: the host length, never more than
// the other field holds.
WORD TransferLength(const DSField& host, const DSField& pc)
{
    return static_cast<WORD>(std::min(FieldLength(host), FieldLength(pc)));
}
}

BOOL MapFieldType(const DSField& host, DSField& pc, int characterSet)
{
    if (host.type < HFT_CHARACTER || host.type > HFT_BINARY)
        return FALSE;
    std::memcpy(pc.name, host.name, sizeof pc.name);
    std::memcpy(pc.text, host.text, sizeof pc.text);
    pc.value = nullptr;
    const bool ascii = characterSet == ZRCS_EBCDIC_TO_ASCII;
    const unsigned length = FieldLength(host);
    const unsigned decimals = FieldDecimals(host);
    const bool hasDecimals = decimals > 0;
    PcKind kind;
    unsigned pcLength;
    switch (host.type)
    {
    case HFT_CHARACTER:
        kind = KIND_TEXT;
        pcLength = length;
        break;
    case HFT_PACKED_BYTES:
        if (hasDecimals)
            kind = length <= 6 ? KIND_SHORT_DECIMAL : KIND_LONG_DECIMAL;
        else
            kind = length <= 4 ? KIND_SHORT_INTEGER : KIND_LONG_INTEGER;
        pcLength = 2 * length + (hasDecimals ? 2 : 1);
        break;
    case HFT_ZONED_BYTES:
        if (hasDecimals)
            kind = length <= 6 ? KIND_SHORT_DECIMAL : KIND_LONG_DECIMAL;
        else
            kind = length <= 4 ? KIND_SHORT_INTEGER : KIND_LONG_INTEGER;
        pcLength = length + (hasDecimals ? 3 : 2);
        break;
    case HFT_BINARY_BYTES:
        if (hasDecimals)
        {
            kind = length == 2 ? KIND_SHORT_DECIMAL : KIND_LONG_DECIMAL;
            pcLength = length == 2 ? 8 : 13;
        }
        else
        {
            kind = length == 2 ? KIND_SHORT_INTEGER : KIND_LONG_INTEGER;
            pcLength = length == 2 ? 7 : 12;
        }
        break;
    default:
        if (hasDecimals)
            kind = length <= 7 ? KIND_SHORT_DECIMAL : KIND_LONG_DECIMAL;
        else if (length <= 6)
            kind = KIND_SHORT_INTEGER;
        else if (length <= 11)
            kind = KIND_LONG_INTEGER;
        else
            kind = KIND_LONG_DECIMAL;
        pcLength = length;
        break;
    }
    pc.type = PcTypeOf(kind, ascii);
    pc.length = static_cast<short>(pcLength);
    pc.decimals = static_cast<short>(kind == KIND_TEXT || hasDecimals ? decimals : 0);
    return TRUE;
}

BOOL ConvertFieldToPC(const DSField& host, DSField& pc, const EnvironmentCallbacks* environment)
{
    const int mode = ModeToPc(host.type, pc.type);
    if (mode < 0 || !environment || !host.value || !pc.value)
        return FALSE;
    WORD length = TransferLength(host, pc);
    if (!environment->TranslateCodePage(mode, host.value, pc.value, length, &length))
        return FALSE;
    if (ReordersText(pc, environment))
        ReorderBidiText(pc.value, length, environment);
    return TRUE;
}

PcConversion PrepareConversionToPC(int hostType, const DSField& pc)
{
    return {hostType, ModeToPc(hostType, pc.type), pc.type == PFT_TEXT_ANSI};
}

BOOL ConvertFieldToHost(const DSField& pc, DSField& host, const EnvironmentCallbacks* environment)
{
    HostConversion conversion = PrepareConversionToHost(host.type, pc.type);
    return ConvertPreparedToHost(conversion, pc, host, environment);
}

HostConversion PrepareConversionToHost(int hostType, int pcType)
{
    const int mode = ModeToPc(hostType, pcType);
    return {hostType, pcType, mode < 0 ? -1 : mode | ZRCM_TO_EBCDIC_BIT, pcType == PFT_TEXT_ANSI};
}

bool SizeHostConversions(std::vector<HostConversion>& conversions, int count)
{
    try
    {
        conversions.assign(static_cast<std::size_t>(count), HostConversion{});
        return true;
    }
    catch (const std::bad_alloc&)
    {
        conversions.clear();
        return false;
    }
}

void ReorderBidiText(char* text, WORD length, const EnvironmentCallbacks* environment)
{
    // Field values mostly fit the buffer on the stack; a longer one gets a buffer of its own.
    char shortText[256];
    std::vector<char> longText;
    char* ordered = shortText;
    if (length < sizeof shortText)
        std::memset(shortText, 0, static_cast<size_t>(length) + 1);
    else
    {
        longText.assign(static_cast<size_t>(length) + 1, '\0');
        ordered = longText.data();
    }
    GCP_RESULTSA results{};
    results.lStructSize = sizeof results;
    results.lpOutString = ordered;
    results.nGlyphs = length;
    if (GetCharacterPlacementA(environment->hdcReorder, text, length, 0, &results, GCP_REORDER))
        std::memcpy(text, ordered, length);
}
