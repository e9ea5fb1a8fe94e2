#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ErrorRecordBlock.h"
#include "ErrorSinkCapture.h"
#include "ReportError.h"
#include "ServicesTestIds.h"
#include "TimeHelpers.h"
#include "ZRErrorHandling.h"
#include "ZRProgram.h"

namespace
{

// A sink that keeps the last record block as it arrived, for checks of the block itself.
ErrorRecord* g_keptRecord = nullptr;

BOOL ZRTAPI KeepRecord(ErrorRecord* record)
{
    g_keptRecord = record;
    return 7;
}

}

TEST(ReportError, LoadsFormatsAndStampsLocalTime)
{
    ErrorSinkCapture capture;
    SYSTEMTIME before;
    GetLocalTime(&before);
    EXPECT_EQ(1, ReportError("C:\\src\\dir\\ZRProfile.cpp", 42, capture.Sink(), GetOwnModule(),
                             IDS_TEST_FILE_UNREADABLE, "D:\\data\\a.txt"));
    ASSERT_EQ(1u, capture.Count());
    const CapturedError error = capture.Records()[0];
    EXPECT_EQ("ZRProfile", error.source);
    EXPECT_EQ(42, error.line);
    EXPECT_EQ("Error ZRT901: The file D:\\data\\a.txt cannot be read.", error.text);
    EXPECT_LE(SecondsBetween(error.time, before), 2);

    SYSTEMTIME utc;
    GetSystemTime(&utc);
    if (SecondsBetween(before, utc) > 60)
    {
        EXPECT_GT(SecondsBetween(error.time, utc), 60) << "the record carries UTC, not local time";
    }
}

TEST(ReportError, ReturnsWhatTheSinkReturns)
{
    ErrorSinkFunctions sink = {nullptr, KeepRecord};
    EXPECT_EQ(7, ReportError(__FILE__, __LINE__, &sink, GetOwnModule(), IDS_TEST_NUMBER, 5));
    FreeErrorRecord(g_keptRecord);
}

TEST(ReportError, ControlCharactersBecomeBlanksAndAccentedLettersStay)
{
    ErrorSinkCapture capture;
    ReportError(__FILE__, __LINE__, capture.Sink(), GetOwnModule(), IDS_TEST_CONTROL_CHARACTERS, "x");
    ReportError(__FILE__, __LINE__, capture.Sink(), GetOwnModule(), IDS_TEST_TEXT, "caf\xE9\tna\xEFve\x7F\x01");
    EXPECT_EQ((std::vector<std::string>{"A  B x", "caf\xE9 na\xEFve\x7F "}), capture.Texts());
}

TEST(ReportError, SourceNameIsTheBaseNameWithoutFolderOrExtension)
{
    for (const char* path : {"C:\\src\\dir\\Module.cpp", "/work/main/common/Module.cpp", "Module", "Module.h",
                             "..\\mixed/dir\\Module.cxx", "dir.v2/Module"})
    {
        ErrorSinkCapture capture;
        ReportError(path, 1, capture.Sink(), GetOwnModule(), IDS_TEST_NUMBER, 1);
        ASSERT_EQ(1u, capture.Count());
        EXPECT_EQ("Module", capture.Records()[0].source) << path;
    }
    EXPECT_EQ("Module.tar", SourceBaseName("C:\\x\\Module.tar.gz"));
}

TEST(ReportError, MissingStringOrSinkReportsNothing)
{
    ErrorSinkCapture capture;
    EXPECT_EQ(0, ReportError(__FILE__, __LINE__, capture.Sink(), GetOwnModule(), IDS_TEST_MISSING));
    EXPECT_EQ(0u, capture.Count());
    EXPECT_EQ(0, ReportError(__FILE__, __LINE__, nullptr, GetOwnModule(), IDS_TEST_NUMBER, 1));
}

TEST(ReportError, OverlongMessageIsCutToTheBuffer)
{
    ErrorSinkCapture capture;
    const std::string longText(5000, 'x');
    ReportError(__FILE__, __LINE__, capture.Sink(), GetOwnModule(), IDS_TEST_TEXT, longText.c_str());
    ASSERT_EQ(1u, capture.Count());
    EXPECT_EQ(std::string(1039, 'x'), capture.Texts()[0]);
}

TEST(ReportError, RecordIsOneHeapBlockSizedForThisPlatform)
{
    ErrorSinkFunctions sink = {nullptr, KeepRecord};
    ReportError("src/ZRManager.cpp", 9, &sink, GetOwnModule(), IDS_TEST_TEXT, "hello");
    ErrorRecord* record = g_keptRecord;
    ASSERT_NE(nullptr, record);
    char* block = reinterpret_cast<char*>(record);
    EXPECT_EQ(block + sizeof(ErrorRecord), record->source);
    EXPECT_STREQ("ZRManager", record->source);
    EXPECT_EQ(record->source + std::strlen("ZRManager") + 1, record->text);
    EXPECT_STREQ("hello", record->text);
    EXPECT_EQ(sizeof(ErrorRecord) + std::strlen("ZRManager") + std::strlen("hello") + 2,
              HeapSize(GetProcessHeap(), 0, record));
    EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, record));
    FreeErrorRecord(record);
}

TEST(ErrorSink, ReportTextMakesItsOwnRecordInLocalTime)
{
    InstallErrorContext();
    ClearErrorList();
    SYSTEMTIME before;
    GetLocalTime(&before);
    EXPECT_TRUE(GetErrorSinkFunctions()->ReportText("hello\r\nworld"));

    std::vector<ErrorRecord> records;
    std::vector<std::string> texts;
    GetErrorList().Drain([&](const ErrorRecord& record) {
        records.push_back(record);
        texts.push_back(std::string(record.source) + ":" + record.text);
    });
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ("ZRErrorHandling:hello  world", texts[0]);
    EXPECT_EQ(317, records[0].line);
    EXPECT_LE(SecondsBetween(records[0].time, before), 2);
    SYSTEMTIME utc;
    GetSystemTime(&utc);
    if (SecondsBetween(before, utc) > 60)
    {
        EXPECT_GT(SecondsBetween(records[0].time, utc), 60) << "the plain-text sink stamps UTC";
    }
}

TEST(ErrorSink, ReportTextOfNoTextRecordsAnEmptyLine)
{
    InstallErrorContext();
    ClearErrorList();
    EXPECT_TRUE(GetErrorSinkFunctions()->ReportText(nullptr));
    std::vector<std::string> texts;
    GetErrorList().Drain(
        [&](const ErrorRecord& record) { texts.push_back(std::string(record.source) + ":" + record.text); });
    EXPECT_EQ((std::vector<std::string>{"ZRErrorHandling:"}), texts);
}
