#include "CellText.h"

#include "DataSource.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
// A number as a field's text holds it: blanks, a sign, digits, for decimals a point and more digits, blanks.
struct NumberText
{
    bool negative = false;
    std::string whole;  // without leading zeros
    std::string fraction;
};

bool ParseNumber(const char* value, unsigned length, bool decimals, NumberText& number)
{
    unsigned at = 0;
    auto blanks = [&] {
        while (at < length && value[at] == ' ')
            ++at;
    };
    blanks();
    if (at < length && (value[at] == '-' || value[at] == '+'))
        number.negative = value[at++] == '-';
    blanks();
    bool digits = false;
    for (; at < length && value[at] >= '0' && value[at] <= '9'; ++at, digits = true)
        if (!number.whole.empty() || value[at] != '0')
            number.whole += value[at];
    if (decimals && at < length && value[at] == '.')
        for (++at; at < length && value[at] >= '0' && value[at] <= '9'; ++at, digits = true)
            number.fraction += value[at];
    blanks();
    return digits && at == length;
}

// The canonical form of a number: its digits without leading zeros, a point and its fraction, "-" only when it
// is not zero.
std::string Canonical(const NumberText& number)
{
    std::string text = (number.whole.empty() ? "0" : number.whole);
    if (!number.fraction.empty())
        text += "." + number.fraction;
    const bool zero = number.whole.empty() && number.fraction.find_first_not_of('0') == std::string::npos;
    return (number.negative && !zero ? "-" : "") + text;
}

bool DecimalToVariant(const char* value, unsigned length, VARIANT* cell)
{
    NumberText number;
    if (!ParseNumber(value, length, true, number))
        return false;
    const std::string canonical = Canonical(number);
    const double parsed = std::strtod(canonical.c_str(), nullptr);
    // The double must give back every digit of the field.
    char rendered[400];
    const int size = std::snprintf(rendered, sizeof rendered, "%.*f", static_cast<int>(number.fraction.size()), parsed);
    NumberText back;
    if (size <= 0 || size >= static_cast<int>(sizeof rendered) ||
        !ParseNumber(rendered, static_cast<unsigned>(size), true, back) || Canonical(back) != canonical)
        return false;
    V_VT(cell) = VT_R8;
    V_R8(cell) = parsed;
    return true;
}

bool IntegerToVariant(const char* value, unsigned length, VARIANT* cell)
{
    NumberText number;
    // Up to 15 digits: every such integer is exact in a double.
    if (!ParseNumber(value, length, false, number) || number.whole.size() > 15)
        return false;
    const long long magnitude = number.whole.empty() ? 0 : std::atoll(number.whole.c_str());
    const long long integer = number.negative ? -magnitude : magnitude;
    if (integer >= INT32_MIN && integer <= INT32_MAX)
    {
        V_VT(cell) = VT_I4;
        V_I4(cell) = static_cast<LONG>(integer);
    }
    else
    {
        V_VT(cell) = VT_R8;
        V_R8(cell) = static_cast<double>(integer);
    }
    return true;
}

// Copies a rendering into the field: false when it is longer than the field.
bool Place(const char* text, int size, DSField& field)
{
    const unsigned length = FieldLength(field);
    if (size < 0 || static_cast<unsigned>(size) > length)
        return false;
    std::memcpy(field.value, text, static_cast<size_t>(size));
    std::memset(field.value + size, ' ', length - static_cast<unsigned>(size));
    return true;
}

bool PlaceNumber(double number, int decimals, DSField& field)
{
    if (!std::isfinite(number))
        return false;
    if (number == 0)
        number = 0;  // no "-0"
    const int width = static_cast<int>(FieldLength(field));
    const int size = std::snprintf(nullptr, 0, "%*.*f", width, decimals, number);
    if (size < 0 || size > width)
        return false;
    std::string text(static_cast<size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%*.*f", width, decimals, number);
    return Place(text.data(), size, field);
}

bool PlaceInteger(long long number, DSField& field)
{
    const int width = static_cast<int>(FieldLength(field));
    const int size = std::snprintf(nullptr, 0, "%*lld", width, number);
    if (size < 0 || size > width)
        return false;
    std::string text(static_cast<size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%*lld", width, number);
    return Place(text.data(), size, field);
}

bool PlaceText(BSTR text, DSField& field)
{
    const unsigned length = FieldLength(field);
    std::string ansi(SysStringLen(text) * 2 + 1, '\0');
    int size = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(SysStringLen(text)), ansi.data(),
                                   static_cast<int>(ansi.size()), nullptr, nullptr);
    if (size < 0)
        size = 0;
    const unsigned copied = static_cast<unsigned>(size) < length ? static_cast<unsigned>(size) : length;
    std::memcpy(field.value, ansi.data(), copied);
    std::memset(field.value + copied, ' ', length - copied);
    return true;
}

enum class FieldKind
{
    Text,
    Integer,
    Decimal,
    Other,
};

FieldKind KindOf(int type)
{
    switch (type)
    {
    case PFT_TEXT_ANSI:
        return FieldKind::Text;
    case PFT_SHORT_INTEGER_ANSI:
    case PFT_LONG_INTEGER_ANSI:
        return FieldKind::Integer;
    case PFT_SHORT_DECIMAL_ANSI:
    case PFT_LONG_DECIMAL_ANSI:
        return FieldKind::Decimal;
    default:
        return FieldKind::Other;
    }
}
}

bool FieldToVariant(const char* value, unsigned length, int type, wchar_t* wide, VARIANT* cell)
{
    VariantInit(cell);
    switch (KindOf(type))
    {
    case FieldKind::Text:
    {
        int size = length
                       ? MultiByteToWideChar(CP_ACP, 0, value, static_cast<int>(length), wide, static_cast<int>(length))
                       : 0;
        if (length && size <= 0)
            return false;
        V_VT(cell) = VT_BSTR;
        V_BSTR(cell) = SysAllocStringLen(wide, static_cast<UINT>(size));
        return V_BSTR(cell) != nullptr;
    }
    case FieldKind::Integer:
        return IntegerToVariant(value, length, cell);
    case FieldKind::Decimal:
        return DecimalToVariant(value, length, cell);
    default:
        return false;
    }
}

bool FormatFieldText(const VARIANT& cell, DSField& field)
{
    const FieldKind kind = KindOf(field.type);
    const int decimals = static_cast<int>(FieldDecimals(field));
    if (kind == FieldKind::Other || !field.value)
        return false;
    switch (V_VT(&cell))
    {
    case VT_EMPTY:
        if (kind == FieldKind::Text)
            return Place("", 0, field);
        return kind == FieldKind::Integer ? PlaceInteger(0, field) : PlaceNumber(0, decimals, field);
    case VT_I2:
    case VT_I4:
    {
        const long long number = V_VT(&cell) == VT_I2 ? V_I2(&cell) : V_I4(&cell);
        return kind == FieldKind::Decimal ? PlaceNumber(static_cast<double>(number), decimals, field)
                                          : PlaceInteger(number, field);
    }
    case VT_R4:
    case VT_R8:
    {
        const double number = V_VT(&cell) == VT_R4 ? V_R4(&cell) : V_R8(&cell);
        if (kind == FieldKind::Integer)
            return PlaceNumber(std::trunc(number), 0, field);
        return PlaceNumber(number, decimals, field);
    }
    case VT_BSTR:
        return PlaceText(V_BSTR(&cell), field);
    default:
        return false;
    }
}
