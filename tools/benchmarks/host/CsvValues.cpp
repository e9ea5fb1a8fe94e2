#include "CsvValues.h"

#include <fstream>
#include <iterator>

std::vector<std::vector<std::string>> ReadCsvValues(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string value;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        if (quoted)
        {
            if (c != '"')
                value += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                value += text[++i];
            else
                quoted = false;
        }
        else if (c == '"')
        {
            quoted = true;
        }
        else if (c == ',' || c == '\n')
        {
            record.push_back(value);
            value.clear();
            if (c == '\n')
            {
                records.push_back(record);
                record.clear();
            }
        }
        else if (c != '\r')
        {
            value += c;
        }
    }
    return records;
}
