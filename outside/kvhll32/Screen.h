// The 24 x 80 presentation space of a 5250 display: EBCDIC cells, the unprotected (input) positions,
// the cursor, and for each position whether the operator changed it since the host last wrote the screen.
// Positions are linear from 1: (row - 1) * 80 + column.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kvhll
{

constexpr int kRows = 24;
constexpr int kColumns = 80;
constexpr int kScreenSize = kRows * kColumns;

constexpr int PositionOf(int row, int column)
{
    return (row - 1) * kColumns + column;
}

struct Screen
{
    std::array<unsigned char, kScreenSize> cells{};
    std::array<bool, kScreenSize> input{};
    std::array<bool, kScreenSize> modified{};
    int cursor = 1;

    // All cells EBCDIC blanks, everything protected, nothing modified, cursor at (1, 1).
    void Clear();
    void DefineInput(int position, int length);
    // Writes ANSI text translated to EBCDIC, cut at the end of the screen.
    void Write(int position, std::string_view ansi);
    void WriteEbcdic(int position, std::string_view ebcdic);
    std::string ReadEbcdic(int position, int length) const;
    std::string ReadAnsi(int position, int length) const;
    // What the operator typed: modified positions as ANSI characters, the others as blanks.
    std::string ReadTyped(int position, int length) const;
};

}  // namespace kvhll
