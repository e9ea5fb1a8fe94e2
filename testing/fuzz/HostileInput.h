// Hostile input for every reader of outside input: each case damages a good input at random (the same case number
// always gives the same damage), hands it to its reader, and judges what the reader made of it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class HostileVerdict
{
    Refused,  // the reader failed and said why
    Clean,    // the reader took the input, and what it gave is what the input holds
    Wrong,    // the reader gave data the input does not hold, or failed without a word
};

// One reader of outside input with its cases.
class HostileReader
{
public:
    virtual ~HostileReader() = default;
    virtual const char* Name() const = 0;
    // Runs case `number`; `detail` receives, for a Wrong verdict, what went wrong.
    virtual HostileVerdict Run(uint32_t number, std::string& detail) = 0;
};

// Every reader, by name: PC files of each readable format and the append checks, profiles, profile lists,
// description files, host-store records and the host's reply lines.
std::vector<std::string> HostileReaderNames();
// The reader of that name, ready to run; null for an unknown name.
std::unique_ptr<HostileReader> MakeHostileReader(const std::string& name);
