#include "IniFile.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kvhll
{

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
    {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i)
    {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
        {
            return false;
        }
    }
    return true;
}

std::string Trim(const std::string& text)
{
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
    {
        return std::string();
    }
    size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::string ToUpper(std::string text)
{
    for (char& c : text)
    {
        if (c >= 'a' && c <= 'z')
        {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

bool IniFile::Load(const std::string& path)
{
    sections_.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        return false;
    }
    std::string line;
    Section* current = nullptr;
    while (std::getline(in, line))
    {
        std::string text = Trim(line);
        if (text.empty() || text[0] == ';' || text[0] == '#')
        {
            continue;
        }
        if (text.front() == '[' && text.back() == ']')
        {
            std::string name = Trim(text.substr(1, text.size() - 2));
            current = Find(name);
            if (!current)
            {
                sections_.push_back(Section{name, {}});
                current = &sections_.back();
            }
            continue;
        }
        size_t equals = text.find('=');
        if (!current || equals == std::string::npos)
        {
            continue;
        }
        Set(current->name, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1)));
    }
    return true;
}

bool IniFile::Save(const std::string& path) const
{
    std::ostringstream out;
    for (const Section& section : sections_)
    {
        out << '[' << section.name << "]\r\n";
        for (const Entry& entry : section.entries)
        {
            out << entry.key << '=' << entry.value << "\r\n";
        }
        out << "\r\n";
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << out.str();
    return static_cast<bool>(file.flush());
}

const IniFile::Section* IniFile::FindSection(const std::string& section) const
{
    for (const Section& s : sections_)
    {
        if (EqualNoCase(s.name, section))
        {
            return &s;
        }
    }
    return nullptr;
}

IniFile::Section* IniFile::Find(const std::string& section)
{
    return const_cast<Section*>(FindSection(section));
}

std::string IniFile::Get(const std::string& section, const std::string& key, const std::string& fallback) const
{
    if (const Section* s = FindSection(section))
    {
        for (const Entry& entry : s->entries)
        {
            if (EqualNoCase(entry.key, key))
            {
                return entry.value;
            }
        }
    }
    return fallback;
}

long IniFile::GetNumber(const std::string& section, const std::string& key, long fallback) const
{
    std::string text = Get(section, key);
    if (text.empty())
    {
        return fallback;
    }
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 0);
    return (end && *end == '\0') ? value : fallback;
}

void IniFile::Set(const std::string& section, const std::string& key, const std::string& value)
{
    Section* s = Find(section);
    if (!s)
    {
        sections_.push_back(Section{section, {}});
        s = &sections_.back();
    }
    for (Entry& entry : s->entries)
    {
        if (EqualNoCase(entry.key, key))
        {
            entry.value = value;
            return;
        }
    }
    s->entries.push_back(Entry{key, value});
}

}  // namespace kvhll
