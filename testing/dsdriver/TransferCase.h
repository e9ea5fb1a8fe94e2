// A transfer and what it must give, as data: the file written or the records read, and the messages reported.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "TransferRunner.h"

struct TransferCase
{
    const char* name = "";
    int direction = ZRDIR_HOST_TO_PC;
    PcTransfer transfer;
    bool succeeds = true;
    std::optional<std::string> file;                               // the PC file's bytes afterwards
    std::optional<std::vector<std::vector<std::string>>> records;  // the records the host received, as PC text
    std::vector<std::string> errors;                               // every message reported, in order
};

// Runs the case and compares everything it names; the failure message shows bytes with escapes.
testing::AssertionResult RunTransferCase(TransferRunner& runner, const TransferCase& transferCase);

// Bytes with control and high bytes escaped, one line of the file per line of text.
std::string Escaped(const std::string& bytes);
