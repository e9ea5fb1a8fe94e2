// Translation between the host's EBCDIC (code page 037) and the PC's ANSI characters.
#pragma once

#include <string>
#include <string_view>

namespace kvhll
{

constexpr unsigned char kEbcdicBlank = 0x40;

unsigned char EbcdicToAnsi(unsigned char ebcdic);
unsigned char AnsiToEbcdic(unsigned char ansi);
std::string EbcdicToAnsi(std::string_view ebcdic);
std::string AnsiToEbcdic(std::string_view ansi);

}  // namespace kvhll
