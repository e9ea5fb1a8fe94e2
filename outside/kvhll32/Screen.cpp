#include "Screen.h"

#include <algorithm>

#include "CodePage037.h"

namespace kvhll
{
namespace
{

int Clip(int position, int length)
{
    return std::max(0, std::min(length, kScreenSize - position + 1));
}

}  // namespace

void Screen::Clear()
{
    cells.fill(kEbcdicBlank);
    input.fill(false);
    modified.fill(false);
    cursor = 1;
}

void Screen::DefineInput(int position, int length)
{
    length = Clip(position, length);
    std::fill_n(input.begin() + (position - 1), length, true);
}

void Screen::Write(int position, std::string_view ansi)
{
    WriteEbcdic(position, AnsiToEbcdic(ansi));
}

void Screen::WriteEbcdic(int position, std::string_view ebcdic)
{
    int length = Clip(position, static_cast<int>(ebcdic.size()));
    std::copy_n(ebcdic.begin(), length, cells.begin() + (position - 1));
}

std::string Screen::ReadEbcdic(int position, int length) const
{
    length = Clip(position, length);
    return std::string(cells.begin() + (position - 1), cells.begin() + (position - 1 + length));
}

std::string Screen::ReadAnsi(int position, int length) const
{
    return EbcdicToAnsi(ReadEbcdic(position, length));
}

std::string Screen::ReadTyped(int position, int length) const
{
    std::string text = ReadAnsi(position, length);
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (!modified[position - 1 + i])
        {
            text[i] = ' ';
        }
    }
    return text;
}

}  // namespace kvhll
