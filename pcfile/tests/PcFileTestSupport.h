// What the tests of Zrtpcfile share: expected message texts and the files of transfers.
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
TransferCase Refused(const char* name, int type, const std::vector<HostFieldSpec>& fields, const std::string& file,
                     const std::string& message, const std::vector<Setting>& profile = {});
