// The session layer against the scripted fake bridge: loading the bridge, each HLLAPI return code turned into the
// message of each host library, typing and waiting for the host, screen checks and the session list.
#include "ErrorSinkCapture.h"
#include "FakeBridgeControl.h"
#include "FakeCallerTables.h"
#include "HllapiMessages.h"
#include "OwnedHandles.h"
#include "TempProgramFolder.h"
#include "ZRSViaHLLAPI.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>

namespace
{
std::string g_programFolder;

BOOL ZRTAPI TestEnvString(int kind, void* destination)
{
    if (kind == ZRENV_PROGRAM_FOLDER)
        std::strcpy(static_cast<char*>(destination), g_programFolder.c_str());
    return TRUE;
}

std::string FakeFolder()
{
    return TempProgramFolder::BuildProgramFolder() + "\\fakebridge";
}

// The message code each library gives a session-layer message.
const std::map<int, std::pair<const char*, const char*>> kCodes = {
    {IDS_HLL_BRIDGE_CORRUPTED, {"ZRT020", "ZRS001"}}, {IDS_HLL_BRIDGE_NOT_LOADED, {"ZRT021", "ZRS002"}},
    {IDS_HLL_SYSTEM_ERROR, {"ZRT022", "ZRS006"}},     {IDS_HLL_UNKNOWN_ERROR, {"ZRT023", "ZRS008"}},
    {IDS_HLL_BAD_SESSION, {"ZRT024", "ZRS003"}},      {IDS_HLL_PS_BUSY, {"ZRT025", "ZRS004"}},
    {IDS_HLL_PS_LOCKED, {"ZRT026", "ZRS005"}},        {IDS_HLL_PS_IN_USE, {"ZRT027", "ZRS007"}},
    {IDS_HLL_NOT_CONNECTED, {"ZRT028", "ZRS010"}},    {IDS_HLL_BAD_STRING_LENGTH, {"ZRT029", "ZRS011"}},
    {IDS_HLL_BAD_POSITION, {"ZRT030", "ZRS012"}},     {IDS_HLL_PS_PROTECTED, {"ZRT031", "ZRS013"}},
    {IDS_HLL_DATA_TRUNCATED, {"ZRT032", "ZRS014"}},   {IDS_HLL_BAD_PARAMETER, {"ZRT033", "ZRS009"}},
    {IDS_HLL_BAD_DESIGNATOR, {"ZRT034", "ZRS016"}},   {IDS_HLL_NO_NOTIFICATION, {"ZRT035", "ZRS018"}},
    {IDS_HLL_BAD_CURSOR, {"ZRT036", "ZRS015"}},       {IDS_HLL_BAD_LENGTH, {"ZRT037", "ZRS020"}},
    {IDS_HLL_TIMEOUT, {"ZRT038", "ZRS017"}},          {IDS_HLL_EVENT_DAMAGED, {"ZRT040", "ZRS019"}},
    {IDS_HLL_OPERATOR_ERROR, {"ZRT042", "ZRS021"}},
};

class TestSession : public CZRSViaHLLAPI
{
public:
    BOOL Connect() override { return TRUE; }
    BOOL Disconnect() override { return TRUE; }
    BOOL NextField() override { return TRUE; }

    using CZRSViaHLLAPI::CheckCommandLine;
    using CZRSViaHLLAPI::ConnectPresentationSpace;
    using CZRSViaHLLAPI::CopyOIA;
    using CZRSViaHLLAPI::CopyPresentationSpaceToString;
    using CZRSViaHLLAPI::CopyStringToPresentationSpace;
    using CZRSViaHLLAPI::DoubleAts;
    using CZRSViaHLLAPI::FreeHllapi;
    using CZRSViaHLLAPI::IsTextAt;
    using CZRSViaHLLAPI::LoadHllapi;
    using CZRSViaHLLAPI::QueryCursorLocation;
    using CZRSViaHLLAPI::SendKey;
    using CZRSViaHLLAPI::SendKeysAndWait;
    using CZRSViaHLLAPI::SetCursor;
    using CZRSViaHLLAPI::SetSessionParameters;
};

template <typename Proc>
Proc Entry(HMODULE module, const char* name)
{
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Runs for each host library: its string table gives the layer's messages their codes.
class SessionLayerTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        m_library.Reset(LoadLibraryA((TempProgramFolder::BuildProgramFolder() + "\\" + GetParam()).c_str()));
        ASSERT_NE(nullptr, m_library.Get());
        m_bridge.Reset(LoadLibraryA((FakeFolder() + "\\KVHLL32.DLL").c_str()));
        ASSERT_NE(nullptr, m_bridge.Get());
        Entry<FakeBridgeResetProc>(m_bridge.Get(), "FakeBridgeReset")();
        m_force = Entry<FakeBridgeForceProc>(m_bridge.Get(), "FakeBridgeForce");
        m_script = Entry<FakeBridgeScriptProc>(m_bridge.Get(), "FakeBridgeScript");
        m_answer = Entry<FakeBridgeAnswerProc>(m_bridge.Get(), "FakeBridgeAnswer");
        m_setOia = Entry<FakeBridgeSetOiaProc>(m_bridge.Get(), "FakeBridgeSetOia");
        m_put = Entry<FakeBridgePutProc>(m_bridge.Get(), "FakeBridgePut");
        m_setCursor = Entry<FakeBridgeSetCursorProc>(m_bridge.Get(), "FakeBridgeSetCursor");
        m_sessions = Entry<FakeBridgeSessionsProc>(m_bridge.Get(), "FakeBridgeSessions");
        m_status = Entry<FakeBridgeStatusProc>(m_bridge.Get(), "FakeBridgeStatus");
        m_eventValue = Entry<FakeBridgeEventValueProc>(m_bridge.Get(), "FakeBridgeEventValue");
        m_log = Entry<FakeBridgeLogProc>(m_bridge.Get(), "FakeBridgeLog");

        g_programFolder = FakeFolder();
        m_environment = *m_tables.EnvironmentTable();
        m_environment.GetEnvString = TestEnvString;
        m_session.Attach(m_library.Get(), m_tables.ProfileTable(), m_errors.Sink(), m_tables.OptionTable(),
                         &m_environment);
    }

    void TearDown() override
    {
        m_session.FreeHllapi();
        m_bridge.Reset();
        m_library.Reset();
    }

    bool IsS36() const { return std::strcmp(GetParam(), "Zrts36.dll") == 0; }
    std::string Code(int id) const
    {
        const auto& codes = kCodes.at(id);
        return IsS36() ? codes.second : codes.first;
    }
    // The codes of the reported messages, in order ("ZRT024"...).
    std::vector<std::string> Codes() const
    {
        std::vector<std::string> codes;
        for (const std::string& text : m_errors.Texts())
            codes.push_back(text.size() >= 12 ? text.substr(6, 6) : text);
        return codes;
    }
    std::string Log() const
    {
        char text[8192];
        m_log(text, sizeof text);
        return text;
    }
    int CountCalls(const char* function) const
    {
        int count = 0;
        const std::string log = std::string(" ") + Log() + " ";
        const std::string wanted = std::string(" ") + function + " ";
        for (std::size_t at = log.find(wanted); at != std::string::npos; at = log.find(wanted, at + 1))
            ++count;
        return count;
    }

    ErrorSinkCapture m_errors;
    CFakeCallerTables m_tables{ZRHOST_AS400, ZRDIR_HOST_TO_PC};
    EnvironmentCallbacks m_environment{};
    TestSession m_session;
    OwnedModule m_library;
    OwnedModule m_bridge;
    FakeBridgeForceProc m_force = nullptr;
    FakeBridgeScriptProc m_script = nullptr;
    FakeBridgeAnswerProc m_answer = nullptr;
    FakeBridgeSetOiaProc m_setOia = nullptr;
    FakeBridgePutProc m_put = nullptr;
    FakeBridgeSetCursorProc m_setCursor = nullptr;
    FakeBridgeSessionsProc m_sessions = nullptr;
    FakeBridgeStatusProc m_status = nullptr;
    FakeBridgeEventValueProc m_eventValue = nullptr;
    FakeBridgeLogProc m_log = nullptr;
};

INSTANTIATE_TEST_SUITE_P(HostLibraries, SessionLayerTest, ::testing::Values("Zrtas400.dll", "Zrts36.dll"));
}

TEST_P(SessionLayerTest, BridgeIsLoadedFromTheProgramFolderOrItsParent)
{
    g_programFolder = FakeFolder() + "\\program";
    EXPECT_TRUE(m_session.LoadHllapi());
    EXPECT_TRUE(m_errors.Texts().empty());
    m_session.FreeHllapi();

    g_programFolder = TempProgramFolder::BuildProgramFolder() + "\\no-such-folder\\program";
    EXPECT_FALSE(m_session.LoadHllapi());
    ASSERT_EQ(1u, m_errors.Count());
    const CapturedError error = m_errors.Records()[0];
    EXPECT_EQ("ZRSViaHLLAPI", error.source);
    EXPECT_EQ(std::string("Error ") + Code(IDS_HLL_BRIDGE_NOT_LOADED) +
                  ": Cannot load HLLAPI.DLL. Close some Windows applications, restart ZRT, and try again.",
              error.text);
}

TEST_P(SessionLayerTest, BridgeWithoutStatusEntryIsCorruptedEveryTime)
{
    g_programFolder = TempProgramFolder::BuildProgramFolder() + "\\fakebridge-nostatus";
    EXPECT_FALSE(m_session.LoadHllapi());
    // The broken bridge is not kept: a second attempt reports the same, not a failing call.
    EXPECT_FALSE(m_session.LoadHllapi());
    EXPECT_FALSE(m_session.ConnectPresentationSpace());
    EXPECT_EQ((std::vector<std::string>{Code(IDS_HLL_BRIDGE_CORRUPTED), Code(IDS_HLL_BRIDGE_CORRUPTED),
                                        Code(IDS_HLL_SYSTEM_ERROR)}),
              Codes());
    EXPECT_EQ(std::string("Error ") + Code(IDS_HLL_BRIDGE_CORRUPTED) +
                  ": HLLAPI.DLL is corrupted. Reinstall the software.",
              m_errors.Texts()[0]);
}

TEST_P(SessionLayerTest, EveryReturnCodeGivesItsMessage)
{
    struct Case
    {
        int function;
        int rc;
        int message;  // 0: accepted
    };
    char buffer[16];
    char info[3 * 26];
    bool flag = false;
    int row = 0;
    int column = 0;
    const std::map<int, std::function<bool()>> calls = {
        {1, [&] { return m_session.ConnectPresentationSpace(); }},
        {3, [&] { return m_session.SendKey("ABC"); }},
        {7, [&] { return m_session.QueryCursorLocation(row, column); }},
        {8, [&] { return m_session.CopyPresentationSpaceToString(1, 1, buffer, 5); }},
        {9, [&] { return m_session.SetSessionParameters("EBCDIC"); }},
        {10, [&] { return m_session.QueryInfo(info, &row, &column); }},
        {13, [&] { return m_session.CopyOIA(90, flag); }},
        {15, [&] { return m_session.CopyStringToPresentationSpace(1, 1, "AB", 2); }},
        {23, [&] { return m_session.SendKeysAndWait("@E"); }},
        {40, [&] { return m_session.SetCursor(22, 3); }},
    };
    const Case cases[] = {
        {1, 1, IDS_HLL_BAD_SESSION},
        {1, 4, IDS_HLL_PS_BUSY},
        {1, 5, IDS_HLL_PS_LOCKED},
        {1, 9, IDS_HLL_SYSTEM_ERROR},
        {1, 11, IDS_HLL_PS_IN_USE},
        {1, 12, IDS_HLL_UNKNOWN_ERROR},
        {3, 1, IDS_HLL_NOT_CONNECTED},
        {3, 2, IDS_HLL_BAD_STRING_LENGTH},
        {3, 7, IDS_HLL_BAD_POSITION},
        {3, 5, IDS_HLL_UNKNOWN_ERROR},
        {7, 1, IDS_HLL_NOT_CONNECTED},
        {7, 9, IDS_HLL_SYSTEM_ERROR},
        {8, 4, 0},
        {8, 5, 0},
        {8, 1, IDS_HLL_NOT_CONNECTED},
        {8, 2, IDS_HLL_BAD_STRING_LENGTH},
        {8, 7, IDS_HLL_BAD_POSITION},
        {9, 2, IDS_HLL_BAD_PARAMETER},
        {9, 9, IDS_HLL_SYSTEM_ERROR},
        {10, 2, 0},
        {10, 9, IDS_HLL_SYSTEM_ERROR},
        {10, 1, IDS_HLL_UNKNOWN_ERROR},
        {13, 4, 0},
        {13, 5, 0},
        {13, 1, IDS_HLL_NOT_CONNECTED},
        {13, 2, IDS_HLL_BAD_LENGTH},
        {13, 9, IDS_HLL_SYSTEM_ERROR},
        {15, 1, IDS_HLL_NOT_CONNECTED},
        {15, 2, IDS_HLL_BAD_STRING_LENGTH},
        {15, 5, IDS_HLL_PS_PROTECTED},
        {15, 6, IDS_HLL_DATA_TRUNCATED},
        {15, 7, IDS_HLL_BAD_POSITION},
        {23, 1, IDS_HLL_BAD_SESSION},
        {23, 2, IDS_HLL_BAD_DESIGNATOR},
        {23, 9, IDS_HLL_SYSTEM_ERROR},
        {40, 1, IDS_HLL_NOT_CONNECTED},
        {40, 4, IDS_HLL_PS_BUSY},
        {40, 7, IDS_HLL_BAD_CURSOR},
        {40, 9, IDS_HLL_SYSTEM_ERROR},
    };
    ASSERT_TRUE(m_session.LoadHllapi());
    const FakeBridgeResetProc reset = Entry<FakeBridgeResetProc>(m_bridge.Get(), "FakeBridgeReset");
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "function " << c.function << " rc " << c.rc);
        reset();
        m_errors.Clear();
        m_force(c.function, c.rc, 0);
        const bool result = calls.at(c.function)();
        if (c.message == 0)
        {
            EXPECT_TRUE(result);
            EXPECT_TRUE(Codes().empty());
        }
        else
        {
            EXPECT_FALSE(result);
            EXPECT_EQ(std::vector<std::string>{Code(c.message)}, Codes());
        }
    }
}

TEST_P(SessionLayerTest, ABridgeWithoutItsEntryAnswersAsASystemError)
{
    m_session.FreeHllapi();
    EXPECT_FALSE(m_session.SetSessionParameters("EXTEND_UPDATE"));
    EXPECT_EQ(std::vector<std::string>{Code(IDS_HLL_SYSTEM_ERROR)}, Codes());
}

TEST_P(SessionLayerTest, MessagesKeepTheLibrariesOwnWording)
{
    ASSERT_TRUE(m_session.LoadHllapi());
    m_force(40, 7, 0);
    m_session.SetCursor(1, 1);
    m_setOia(90, 1);
    m_session.SendKeysAndWait("@E");
    const std::vector<std::string> texts = m_errors.Texts();
    ASSERT_EQ(2u, texts.size());
    if (IsS36())
    {
        EXPECT_EQ("Error ZRS015:  A cursor location of less than 1 or greater than the size of the connected host "
                  "presentation space was specified. Use another display session for the transfer.",
                  texts[0]);
        EXPECT_EQ("Error ZRS021 The specified session is locked due to operator error. Fix the problem in the "
                  "emulation screen and try again.",
                  texts[1]);
    }
    else
    {
        EXPECT_EQ("Error ZRT036: A cursor location less than 1 or greater than the size of the connected host "
                  "presentation space was specified. Use another display session for the transfer.",
                  texts[0]);
        EXPECT_EQ("Error ZRT042: The specified session is being locked due to operator error. Fix the problem in "
                  "the emulation screen and try again.",
                  texts[1]);
    }
}

TEST_P(SessionLayerTest, CursorPositionCountsFromOne)
{
    ASSERT_TRUE(m_session.LoadHllapi());
    const struct
    {
        int position;
        int row;
        int column;
    } cases[] = {{1, 1, 1}, {80, 1, 80}, {81, 2, 1}, {1600, 20, 80}, {1920, 24, 80}};
    for (const auto& c : cases)
    {
        m_setCursor(c.position);
        int row = 0;
        int column = 0;
        ASSERT_TRUE(m_session.QueryCursorLocation(row, column));
        EXPECT_EQ(c.row, row) << c.position;
        EXPECT_EQ(c.column, column) << c.position;
    }
}

TEST_P(SessionLayerTest, CommandLineIsFoundOnTheCursorRowOrTheRowAbove)
{
    ASSERT_TRUE(m_session.LoadHllapi());
    m_put(20, 2, "===> ");
    for (int position : {19 * 80 + 7, 19 * 80 + 80, 20 * 80 + 7})
    {
        m_setCursor(position);
        EXPECT_TRUE(m_session.CheckCommandLine()) << position;
    }
    EXPECT_TRUE(Codes().empty());
    m_setCursor(4 * 80 + 10);
    EXPECT_FALSE(m_session.CheckCommandLine());
    if (!IsS36())
    {
        EXPECT_EQ(std::vector<std::string>{"Error ZRT041: The cursor is not positioned on the AS/400 command line for "
                                           "session A. See Error Messages in online Help."},
                  m_errors.Texts());
    }
}

TEST_P(SessionLayerTest, ScreenTextIsComparedWithoutRegardToCase)
{
    ASSERT_TRUE(m_session.LoadHllapi());
    m_put(1, 71, "KVFT001");
    EXPECT_TRUE(m_session.IsTextAt(1, 71, "kvft001"));
    EXPECT_FALSE(m_session.IsTextAt(1, 70, "KVFT001"));
    EXPECT_TRUE(m_session.IsTextAt(5, 5, ""));
    EXPECT_EQ("A@@B@@@@", TestSession::DoubleAts("A@B@@"));
}

TEST_P(SessionLayerTest, WaitEndsOnTheFirstInhibitOffAfterInhibitOn)
{
    ASSERT_TRUE(m_session.LoadHllapi());
    m_script("21:200,21:100,22:0,21:200");
    EXPECT_TRUE(m_session.SendKeysAndWait("@E"));
    EXPECT_EQ(4, CountCalls("24"));
    EXPECT_TRUE(Codes().empty());

    m_script("23:300");
    EXPECT_TRUE(m_session.SendKeysAndWait("@E"));
    EXPECT_EQ(5, CountCalls("24"));
}

TEST_P(SessionLayerTest, WaitStopsOnTheReturnCodesOfQueryHostUpdate)
{
    ASSERT_TRUE(m_session.LoadHllapi());
    const struct
    {
        const char* script;
        int message;
    } cases[] = {{"1:0", IDS_HLL_BAD_SESSION},
                 {"8:0", IDS_HLL_NO_NOTIFICATION},
                 {"9:0", IDS_HLL_SYSTEM_ERROR},
                 {"99:0,21:100,21:200", IDS_HLL_UNKNOWN_ERROR}};
    for (const auto& c : cases)
    {
        m_errors.Clear();
        m_script(c.script);
        EXPECT_FALSE(m_session.SendKeysAndWait("@E")) << c.script;
        EXPECT_EQ(std::vector<std::string>{Code(c.message)}, Codes()) << c.script;
    }
}

TEST_P(SessionLayerTest, HostThatNeverAnswersTimesOut)
{
    m_tables.SetOption(ZRO_HLLAPI_TIMEOUT_SENDKEY, 1);
    ASSERT_TRUE(m_session.LoadHllapi());
    m_answer(0);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(m_session.SendKeysAndWait("@E"));
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 1000u);
    EXPECT_LT(elapsed, 2500u);
    EXPECT_EQ(std::vector<std::string>{Code(IDS_HLL_TIMEOUT)}, Codes());
}

TEST_P(SessionLayerTest, SessionThatKeepsSignallingStillTimesOut)
{
    m_tables.SetOption(ZRO_HLLAPI_TIMEOUT_SENDKEY, 1);
    ASSERT_TRUE(m_session.LoadHllapi());
    m_answer(2);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(m_session.SendKeysAndWait("@E"));
    EXPECT_LT(GetTickCount() - start, 2500u);
    EXPECT_EQ(std::vector<std::string>{Code(IDS_HLL_TIMEOUT)}, Codes());
}

TEST_P(SessionLayerTest, OperatorErrorStopsTypingAndWaiting)
{
    ASSERT_TRUE(m_session.LoadHllapi());
    m_setOia(90, 1);
    EXPECT_FALSE(m_session.SendKeysAndWait("@E"));
    EXPECT_EQ(std::string::npos, Log().find("3:"));
    EXPECT_EQ(std::vector<std::string>{Code(IDS_HLL_OPERATOR_ERROR)}, Codes());
}

TEST_P(SessionLayerTest, KeyboardLockedByAnOperatorErrorIsReportedAsSuch)
{
    ASSERT_TRUE(m_session.LoadHllapi());
    m_force(3, 5, 0);
    EXPECT_FALSE(m_session.SendKey("KVRTFR/KVRFT"));
    m_setOia(90, 1);
    EXPECT_FALSE(m_session.SendKey("KVRTFR/KVRFT"));
    EXPECT_EQ((std::vector<std::string>{Code(IDS_HLL_UNKNOWN_ERROR), Code(IDS_HLL_OPERATOR_ERROR)}), Codes());
}

TEST_P(SessionLayerTest, FailingStatusCopyDuringAWaitIsReportedOnce)
{
    ASSERT_TRUE(m_session.LoadHllapi());
    m_answer(0);
    m_force(13, 1, 1);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(m_session.SendKeysAndWait("@E"));
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_EQ(std::vector<std::string>{Code(IDS_HLL_NOT_CONNECTED)}, Codes());
}

TEST_P(SessionLayerTest, DamagedNotificationEventEndsTheWait)
{
    ASSERT_TRUE(m_session.LoadHllapi());
    m_eventValue(0x7FFFFFF0);
    EXPECT_FALSE(m_session.SendKeysAndWait("@E"));
    EXPECT_EQ(std::vector<std::string>{Code(IDS_HLL_EVENT_DAMAGED)}, Codes());
}

TEST_P(SessionLayerTest, SessionListHoldsTheDisplaysWithTheirAvailability)
{
    m_sessions("AH1920 BP0 CH1920 DH0 EH1920");
    m_status('C', 0x800);
    m_status('E', 0x801);
    char text[78];
    std::memset(text, 'x', sizeof text);
    int count = -1;
    int other = -1;
    ASSERT_TRUE(m_session.QueryInfo(text, &count, &other));
    EXPECT_EQ(3, count);
    EXPECT_EQ(0, other);
    EXPECT_EQ(std::string("\x01"
                          "A\0\0C\0\0E\0",
                          9),
              std::string(text, 9));
    EXPECT_EQ(0, text[9]);
}
