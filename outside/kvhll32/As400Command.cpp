#include "As400Command.h"

#include "IniFile.h"

namespace kvhll
{
namespace
{

bool IsOption(const std::string& word, const char* allowed, char& option)
{
    if (word.size() != 1 || std::string(allowed).find(word[0]) == std::string::npos)
    {
        return false;
    }
    option = word[0];
    return true;
}

}  // namespace

bool SplitCommand(const std::string& line, std::vector<std::string>& words)
{
    words.clear();
    size_t i = 0;
    while (i < line.size())
    {
        if (line[i] == ' ')
        {
            ++i;
        }
        else if (line[i] == '\'')
        {
            size_t end = line.find('\'', i + 1);
            if (end == std::string::npos)
            {
                return false;
            }
            words.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
        }
        else
        {
            size_t end = line.find(' ', i);
            end = end == std::string::npos ? line.size() : end;
            words.push_back(line.substr(i, end - i));
            i = end;
        }
    }
    return true;
}

bool ParseReadCommand(const std::vector<std::string>& words, As400ReadCommand& command)
{
    char kind = ' ';
    char mode = ' ';
    if (words.size() != 6 || words[0] != "A" || !IsOption(words[4], "YS", kind) || !IsOption(words[5], " H", mode))
    {
        return false;
    }
    command.library = ToUpper(words[1]);
    command.file = ToUpper(words[2]);
    command.member = ToUpper(words[3]);
    command.source = kind == 'S';
    command.binary = mode == 'H';
    return true;
}

bool ParseWriteCommand(const std::vector<std::string>& words, As400WriteCommand& command)
{
    char confirm = ' ';
    char mode = ' ';
    if (words.size() != 9 || words[0] != "P" || !IsOption(words[4], "CMX ", command.action) ||
        !IsOption(words[5], "Y", confirm) || !IsOption(words[6], "Y S", command.form) ||
        !IsOption(words[7], " H", mode) || words[8].empty() || words[8].size() > 5 ||
        words[8].find_first_not_of("0123456789") != std::string::npos)
    {
        return false;
    }
    command.library = ToUpper(words[1]);
    command.file = ToUpper(words[2]);
    command.member = ToUpper(words[3]);
    command.binary = mode == 'H';
    command.recordLength = std::stoi(words[8]);
    return true;
}

}  // namespace kvhll
