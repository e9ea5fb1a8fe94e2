// The commands that KVRFT reads from its input line: "A" (read) and "P" (write), words separated by
// blanks, with the options in apostrophes ("' '" is a blank option).
#pragma once

#include <string>
#include <vector>

namespace kvhll
{

// Splits the line into words; a word in apostrophes gives the text between them. FALSE on an open apostrophe.
bool SplitCommand(const std::string& line, std::vector<std::string>& words);

// "A <library> <file> <member> '<Y|S>' '< |H>'"
struct As400ReadCommand
{
    std::string library;
    std::string file;
    std::string member;
    bool source = false;
    bool binary = false;
};

// "P <library> <file> <member> '<C|M|X| >' 'Y' '<Y| |S>' '< |H>' '<n>'"
struct As400WriteCommand
{
    std::string library;
    std::string file;
    std::string member;
    char action = ' ';  // 'C' create the file, 'M' add the member, 'X' replace it, ' ' add records
    char form = ' ';    // 'Y' field descriptions follow, ' ' data file, 'S' source file
    bool binary = false;
    int recordLength = 0;  // of a source file to create
};

// FALSE when the words are not such a command (names are upper-cased, not checked).
bool ParseReadCommand(const std::vector<std::string>& words, As400ReadCommand& command);
bool ParseWriteCommand(const std::vector<std::string>& words, As400WriteCommand& command);

}  // namespace kvhll
