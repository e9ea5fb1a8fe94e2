// What the tests of Zrtpcfile share: host field sets, expected message texts and readable byte dumps.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TransferRunner.h"

// A file's bytes with control and high bytes escaped, for failure messages.
std::string Escaped(const std::string& bytes);

#define EXPECT_BYTES(actual, expected) EXPECT_EQ(Escaped(actual), Escaped(expected))

// The text of message ZRInnn with its one argument, as the tests expect it.
std::string Zri(int number, const std::string& argument = std::string());

// The PC file a transfer wrote, or an empty text when there is none.
std::string FileOf(const TransferOutcome& outcome);

// Runs a host-to-PC transfer that must succeed and gives the file written.
std::string WriteFile(TransferRunner& runner, const PcTransfer& transfer);
