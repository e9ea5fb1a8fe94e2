// What the tests of Zrtpcfile share: expected message texts, the files of transfers and the text formats' fixture.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TransferCase.h"

#define EXPECT_BYTES(actual, expected) EXPECT_EQ(Escaped(actual), Escaped(expected))

// The text of message ZRInnn with its one argument, as the tests expect it.
std::string Zri(int number, const std::string& argument = std::string());

// The PC file a transfer wrote, or an empty text when there is none.
std::string FileOf(const TransferOutcome& outcome);

// Runs a host-to-PC transfer that must succeed and gives the file written.
std::string WriteFile(TransferRunner& runner, const PcTransfer& transfer);

// A PC file that the reader must refuse with exactly the one message.
TransferCase Refused(const char* name, int type, const std::vector<HostFieldDefinition>& fields,
                     const std::string& file, const std::string& message, const std::vector<Setting>& profile = {});

// Host fields of every kind and two records of them, quotes and an empty text included.
extern const std::vector<HostFieldDefinition> kMixed;
extern const std::vector<std::vector<std::string>> kMixedRecords;

// Tests of the text formats: the mixed records written, and files read back.
class PcFileFormatTest : public testing::Test
{
protected:
    // Writes the mixed records in the format; must succeed. Gives the file written.
    std::string Written(int type, std::vector<Setting> profile);

    TransferOutcome Read(int type, const std::vector<HostFieldDefinition>& fields, const std::string& file,
                         std::vector<Setting> profile = {});

    // Reads a file that must be read without error and gives its records.
    std::vector<std::vector<std::string>> ReadRecords(int type, const std::vector<HostFieldDefinition>& fields,
                                                      const std::string& file, std::vector<Setting> profile = {});

    TransferRunner m_runner;
};
