// A small INI file kept in memory in file order: "[Section]" lines, "Key=Value" lines, ";" comments.
// Sections and keys are matched without regard to case; reading keeps their order, writing rewrites the file.
#pragma once

#include <string>
#include <vector>

namespace kvhll
{

class IniFile
{
public:
    struct Entry
    {
        std::string key;
        std::string value;
    };
    struct Section
    {
        std::string name;
        std::vector<Entry> entries;
    };

    // FALSE when the file cannot be read (a missing file leaves the object empty).
    bool Load(const std::string& path);
    bool Save(const std::string& path) const;

    const Section* FindSection(const std::string& section) const;
    std::string Get(const std::string& section, const std::string& key, const std::string& fallback = "") const;
    // The value as a whole number (decimal, or hexadecimal with "0x"); fallback when missing or not a number.
    long GetNumber(const std::string& section, const std::string& key, long fallback) const;
    // Replaces the value of an existing key or appends the key at the end of its section.
    void Set(const std::string& section, const std::string& key, const std::string& value);
    const std::vector<Section>& Sections() const { return sections_; }

private:
    Section* Find(const std::string& section);
    std::vector<Section> sections_;
};

bool EqualNoCase(const std::string& a, const std::string& b);
std::string Trim(const std::string& text);
std::string ToUpper(std::string text);

}  // namespace kvhll
