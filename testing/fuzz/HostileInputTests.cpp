// The quick round of hostile input: a few hundred damaged inputs per reader, each refused with a message or read
// into exactly what it holds. tools/bench fuzz runs the long round, with crashes and hangs counted.
#include "HostileInput.h"

#include <gtest/gtest.h>

namespace
{
constexpr uint32_t kQuickCases = 150;
}

TEST(HostileInput, EveryReaderRefusesOrReadsExactlyWhatItIsGiven)
{
    for (const std::string& name : HostileReaderNames())
    {
        SCOPED_TRACE(name);
        std::unique_ptr<HostileReader> reader = MakeHostileReader(name);
        ASSERT_NE(reader, nullptr);
        const uint32_t cases = name.rfind("host-", 0) == 0 ? kQuickCases / 5 : kQuickCases;
        int refused = 0;
        for (uint32_t number = 0; number < cases; ++number)
        {
            std::string detail;
            const HostileVerdict verdict = reader->Run(number, detail);
            EXPECT_NE(verdict, HostileVerdict::Wrong) << "case " << number << ": " << detail;
            refused += verdict == HostileVerdict::Refused ? 1 : 0;
        }
        EXPECT_GT(refused, 0) << "no case was refused: the damage is too mild to test the reader";
    }
}
