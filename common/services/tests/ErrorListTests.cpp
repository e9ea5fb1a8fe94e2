#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "ErrorRecordBlock.h"
#include "ReportError.h"
#include "ServicesTestIds.h"
#include "ZRErrorHandling.h"
#include "ZRProgram.h"

namespace
{

ErrorRecord* MakeRecord(const std::string& text)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return CreateErrorRecord("Test", 1, text.c_str(), now);
}

std::vector<std::string> DrainTexts(ErrorList& list)
{
    std::vector<std::string> texts;
    list.Drain([&](const ErrorRecord& record) { texts.push_back(record.text); });
    return texts;
}

class ProgramErrorList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstallErrorContext();
        ClearErrorList();
    }
    void TearDown() override { ClearErrorList(); }
};

}

TEST(ErrorList, KeepsTheLast1000InArrivalOrder)
{
    ErrorList list;
    EXPECT_FALSE(list.HasRecords());
    for (int i = 1; i <= 1005; ++i)
        list.Append(MakeRecord(std::to_string(i)));
    EXPECT_EQ(1000, list.GetCount());

    std::vector<std::string> expected;
    for (int i = 6; i <= 1005; ++i)
        expected.push_back(std::to_string(i));
    EXPECT_EQ(expected, DrainTexts(list));
    EXPECT_FALSE(list.HasRecords());
}

TEST(ErrorList, ClearEmptiesTheList)
{
    ErrorList list;
    list.Append(MakeRecord("a"));
    list.Append(MakeRecord("b"));
    EXPECT_TRUE(list.HasRecords());
    list.Clear();
    EXPECT_FALSE(list.HasRecords());
    EXPECT_TRUE(DrainTexts(list).empty());
}

TEST_F(ProgramErrorList, TakesRecordsFromTwoThreadsAtOnceWithoutLoss)
{
    const int perThread = 500;
    std::atomic<int> ready{0};
    auto report = [&](int thread) {
        ++ready;
        while (ready < 2)
            std::this_thread::yield();
        for (int i = 0; i < perThread; ++i)
            ReportError(__FILE__, __LINE__, GetErrorSinkFunctions(), GetOwnModule(), IDS_TEST_THREAD_RECORD, thread, i);
    };
    std::thread first(report, 1);
    std::thread second(report, 2);
    first.join();
    second.join();

    const std::vector<std::string> texts = DrainTexts(GetErrorList());
    ASSERT_EQ(1000u, texts.size());
    int next[3] = {0, 0, 0};
    for (const std::string& text : texts)
    {
        int thread = 0;
        int i = 0;
        ASSERT_EQ(2, std::sscanf(text.c_str(), "%d %d", &thread, &i)) << text;
        ASSERT_TRUE(thread == 1 || thread == 2);
        EXPECT_EQ(next[thread], i) << "thread " << thread;
        next[thread] = i + 1;
    }
    EXPECT_EQ(perThread, next[1]);
    EXPECT_EQ(perThread, next[2]);
}

TEST_F(ProgramErrorList, TwoThreadsBeyondCapacityKeepTheNewest1000)
{
    const int perThread = 700;
    std::thread first([&] {
        for (int i = 0; i < perThread; ++i)
            ReportError(__FILE__, __LINE__, GetErrorSinkFunctions(), GetOwnModule(), IDS_TEST_THREAD_RECORD, 1, i);
    });
    std::thread second([&] {
        for (int i = 0; i < perThread; ++i)
            ReportError(__FILE__, __LINE__, GetErrorSinkFunctions(), GetOwnModule(), IDS_TEST_THREAD_RECORD, 2, i);
    });
    first.join();
    second.join();

    const std::vector<std::string> texts = DrainTexts(GetErrorList());
    ASSERT_EQ(1000u, texts.size());
    // Each thread's records stay in order and its newest one is kept.
    int last[3] = {-1, -1, -1};
    for (const std::string& text : texts)
    {
        int thread = 0;
        int i = 0;
        ASSERT_EQ(2, std::sscanf(text.c_str(), "%d %d", &thread, &i)) << text;
        EXPECT_GT(i, last[thread]) << text;
        last[thread] = i;
    }
    EXPECT_EQ(perThread - 1, last[1]);
    EXPECT_EQ(perThread - 1, last[2]);
}
