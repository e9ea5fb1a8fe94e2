// The emulator side of the bridge: sessions, return codes, keyboard, operator information area,
// host-update notification, scenario switches and the trace.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "BridgeClient.h"

using namespace kvtest;

namespace
{

class BridgeTest : public ::testing::Test
{
protected:
    TestStore store;
};

struct SessionEntry
{
    char letter;
    std::string name;
    char type;
    int size;
};

std::vector<SessionEntry> QuerySessions(BridgeClient& bridge, int& rc, int room = 416)
{
    std::string buffer(416, '\0');
    int length = room;
    int word = 0;
    rc = bridge.Call(10, buffer.data(), length, word);
    std::vector<SessionEntry> entries;
    for (int i = 0; i < length; ++i)
    {
        const char* e = buffer.data() + i * 16;
        entries.push_back(SessionEntry{e[0], std::string(e + 1, 8), e[12],
                                       static_cast<unsigned char>(e[14]) | (static_cast<unsigned char>(e[15]) << 8)});
    }
    return entries;
}

}  // namespace

TEST_F(BridgeTest, DefaultSessionsAreEightDisplays)
{
    BridgeClient bridge;
    ASSERT_TRUE(bridge.Loaded());
    int rc = -1;
    std::vector<SessionEntry> entries = QuerySessions(bridge, rc);
    EXPECT_EQ(rc, 0);
    ASSERT_EQ(entries.size(), 8u);
    for (size_t i = 0; i < entries.size(); ++i)
    {
        EXPECT_EQ(entries[i].letter, static_cast<char>('A' + i));
        EXPECT_EQ(entries[i].type, 'H');
        EXPECT_EQ(entries[i].size, 1920);
    }
    EXPECT_EQ(entries[0].name, "AS400 A ");
    EXPECT_EQ(entries[4].name, "S36 E   ");
    std::vector<SessionEntry> some = QuerySessions(bridge, rc, 3 * 16);
    EXPECT_EQ(rc, 2);
    EXPECT_EQ(some.size(), 3u);
}

TEST_F(BridgeTest, ScenarioShapesTheSessionList)
{
    store.WriteScenario("[Session B]\nHost=PRINTER\n[Session C]\nBusy=1\n[Session D]\nHost=INACTIVE\n"
                        "[Session E]\nHost=NONE\n[Session P]\nHost=S36\nName=Payroll\n");
    BridgeClient bridge;
    int rc = -1;
    std::vector<SessionEntry> entries = QuerySessions(bridge, rc);
    std::string letters;
    for (const SessionEntry& e : entries)
    {
        letters += e.letter;
    }
    EXPECT_EQ(letters, "ABCDFGHP");
    EXPECT_EQ(entries[1].type, 'P');
    EXPECT_EQ(entries[1].size, 0);
    EXPECT_EQ(entries[3].type, 'H');
    EXPECT_EQ(entries[3].size, 0);
    EXPECT_EQ(entries[7].name, "Payroll ");

    int status = 0;
    EXPECT_EQ(bridge.Status('A', status), 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(bridge.Status('C', status), 0);
    EXPECT_EQ(status, 0x800);
    EXPECT_EQ(bridge.Status('Z', status), 1);
    EXPECT_EQ(status, 0x800);

    EXPECT_EQ(bridge.Connect('B'), 1);
    EXPECT_EQ(bridge.Connect('D'), 1);
    EXPECT_EQ(bridge.Connect('E'), 1);
    EXPECT_EQ(bridge.Connect('C'), 4);
    EXPECT_EQ(bridge.Connect('P'), 0);
}

TEST_F(BridgeTest, ConnectFaultsFromTheScenario)
{
    store.WriteScenario("[Session A]\nKeyboardLocked=1\n[Session B]\nConnectRc=11\n");
    BridgeClient bridge;
    EXPECT_EQ(bridge.Connect('A'), 5);
    std::string oia;
    EXPECT_EQ(bridge.Oia(oia), 5);
    EXPECT_EQ(oia[91], 1);
    EXPECT_EQ(bridge.SendKeys("X"), 5);
    EXPECT_EQ(bridge.SetCursor(20, 7), 4);
    EXPECT_EQ(bridge.Put(20, 7, "X"), 5);
    EXPECT_EQ(bridge.Connect('B'), 11);
    EXPECT_EQ(bridge.SendKeys("X"), 5) << "a refused connection leaves the earlier one";

    store.WriteScenario("[Bridge]\nSystemError=1\n");
    EXPECT_EQ(bridge.Connect('A'), 9);
    std::string text;
    EXPECT_EQ(bridge.Copy(1, 1, 10, text), 9);
    EXPECT_EQ(bridge.SetParameters("EBCDIC"), 9);
}

TEST_F(BridgeTest, CallsWithoutConnectionOrWithBadArguments)
{
    BridgeClient bridge;
    std::string text;
    int row = 0;
    int column = 0;
    std::string oia;
    EXPECT_EQ(bridge.SendKeys("A"), 1);
    EXPECT_EQ(bridge.QueryCursor(row, column), 1);
    EXPECT_EQ(bridge.Copy(1, 1, 10, text), 1);
    EXPECT_EQ(bridge.Oia(oia), 1);
    EXPECT_EQ(bridge.Put(20, 7, "A"), 1);
    EXPECT_EQ(bridge.SetCursor(1, 1), 1);
    EXPECT_EQ(bridge.SetParameters("EXTEND_UPDATE"), 0) << "needs no connection";

    ASSERT_EQ(bridge.Connect('a'), 0);
    EXPECT_EQ(bridge.Copy(1, 0, 10, text), 7);
    EXPECT_EQ(bridge.Copy(25, 1, 1, text), 7);
    EXPECT_EQ(bridge.Copy(24, 75, 7, text), 2);
    EXPECT_EQ(bridge.Copy(24, 75, 6, text), 0);
    EXPECT_EQ(bridge.Copy(1, 1, 0, text), 2);
    EXPECT_EQ(bridge.SetCursor(0, 80), 7);
    EXPECT_EQ(bridge.SetCursor(24, 80), 0);
    EXPECT_EQ(bridge.QueryCursor(row, column), 0);
    EXPECT_EQ(row, 24);
    EXPECT_EQ(column, 80);
    EXPECT_EQ(bridge.SetParameters("EXTENDED_UPDATE"), 2);
    EXPECT_EQ(bridge.SetParameters(""), 2);
    EXPECT_EQ(bridge.SetParameters("EBCDIC,EXTEND_UPDATE"), 0);
    EXPECT_EQ(bridge.SendKeys("@X"), 2);
    EXPECT_EQ(bridge.SendKeys("AB@"), 2);
    EXPECT_EQ(bridge.SendKeys(""), 2);
    EXPECT_EQ(bridge.SendKeys(std::string(256, 'A')), 2);
    EXPECT_EQ(bridge.Put(1, 1, "X"), 5) << "protected";

    oia.assign(103, ' ');
    int length = 103;
    int word = 0;
    EXPECT_EQ(bridge.Call(13, oia.data(), length, word), 2);
    int function = 99;
    EXPECT_EQ(bridge.Call(function, nullptr, length, word), 301);

    bridge.Disconnect();
    EXPECT_EQ(bridge.SendKeys("A"), 1);
}

TEST_F(BridgeTest, TypingAndCopyingInBothModes)
{
    BridgeClient bridge;
    ASSERT_EQ(bridge.Connect('A'), 0);
    int row = 0;
    int column = 0;
    ASSERT_EQ(bridge.QueryCursor(row, column), 0);
    EXPECT_EQ(row, 20);
    EXPECT_EQ(column, 7);
    EXPECT_EQ(bridge.Text(20, 2, 5), "===> ");
    EXPECT_EQ(bridge.SendKeys("ab@@c"), 0);
    EXPECT_EQ(bridge.Text(20, 7, 5), "ab@c ");
    ASSERT_EQ(bridge.QueryCursor(row, column), 0);
    EXPECT_EQ(column, 11);

    EXPECT_EQ(bridge.Put(21, 1, "Zy9"), 0);
    ASSERT_EQ(bridge.SetParameters("EBCDIC"), 0);
    EXPECT_EQ(bridge.Text(21, 1, 4), "\xE9\xA8\xF9\x40");
    EXPECT_EQ(bridge.Put(21, 1, "\xC1\xC2"), 0);
    ASSERT_EQ(bridge.SetParameters("NOEBCDIC"), 0);
    EXPECT_EQ(bridge.Text(21, 1, 3), "AB9");
}

TEST_F(BridgeTest, TypingOnAProtectedPositionIsAnOperatorError)
{
    BridgeClient bridge;
    ASSERT_EQ(bridge.Connect('A'), 0);
    ASSERT_EQ(bridge.SetCursor(1, 1), 0);
    EXPECT_EQ(bridge.SendKeys("XY"), 0);
    std::string oia;
    EXPECT_EQ(bridge.Oia(oia), 0);
    EXPECT_EQ(oia[90], 1);
    EXPECT_EQ(oia[91], 0);
    EXPECT_EQ(oia.find_first_not_of('\0'), 90u);
    EXPECT_EQ(bridge.Text(1, 1, 5), " MAIN");
    EXPECT_EQ(bridge.SendKeys("@E"), 5);
    EXPECT_EQ(bridge.SendKeys("@R"), 0);
    EXPECT_EQ(bridge.Oia(oia), 0);
    EXPECT_EQ(oia[90], 0);
}

TEST_F(BridgeTest, AnAidKeyAnnouncesLockAndUnlock)
{
    BridgeClient bridge;
    ASSERT_EQ(bridge.Connect('A'), 0);
    HANDLE event = nullptr;
    int flags = 0;
    EXPECT_EQ(bridge.QueryUpdate('A', flags), 8);
    ASSERT_EQ(bridge.StartNotification('A', event), 0);
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(bridge.QueryUpdate('A', flags), 0);

    ASSERT_EQ(bridge.SendKeys("@E"), 0);
    EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(bridge.QueryUpdate('A', flags), 21);
    EXPECT_EQ(flags, 0) << "flags need EXTEND_UPDATE";

    ASSERT_EQ(bridge.SetParameters("EXTEND_UPDATE"), 0);
    ASSERT_EQ(bridge.StartNotification('A', event), 0);
    ASSERT_EQ(bridge.SendKeys("KVRTFR/KVRFT@E"), 0);
    EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(bridge.QueryUpdate('A', flags), 21);
    EXPECT_EQ(flags, 0x100);
    EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_OBJECT_0)) << "more is pending";
    EXPECT_EQ(bridge.QueryUpdate('A', flags), 23);
    EXPECT_EQ(flags, 0x200);
    EXPECT_EQ(bridge.QueryUpdate('A', flags), 0);
    EXPECT_EQ(bridge.Text(1, 71, 7), "KVFT001");

    char block[16];
    std::memset(block, ' ', sizeof block);
    block[0] = 'A';
    block[4] = 'X';
    block[12] = 'B';
    int length = 16;
    int word = 0;
    EXPECT_EQ(bridge.Call(23, block, length, word), 2);
    block[0] = 'Q';
    block[4] = 'A';
    EXPECT_EQ(bridge.Call(23, block, length, word), 1);
    EXPECT_EQ(bridge.QueryUpdate('Q', flags), 1);

    bridge.ResetSystem();
    EXPECT_EQ(bridge.QueryUpdate('A', flags), 8);
    EXPECT_EQ(bridge.SendKeys("A"), 1) << "Reset System disconnects";
}

TEST_F(BridgeTest, SlowHostAnswersLater)
{
    store.WriteScenario("[Session A]\nReplyDelayMs=300\n");
    BridgeClient bridge;
    ASSERT_EQ(bridge.Connect('A'), 0);
    ASSERT_EQ(bridge.SetParameters("EXTEND_UPDATE"), 0);
    HANDLE event = nullptr;
    ASSERT_EQ(bridge.StartNotification('A', event), 0);
    DWORD start = GetTickCount();
    ASSERT_EQ(bridge.SendKeys("KVRTFR/KVRFT@E"), 0);
    std::string oia;
    EXPECT_EQ(bridge.Oia(oia), 5);
    EXPECT_EQ(oia[91], 1);
    EXPECT_EQ(bridge.SendKeys("X"), 5);
    EXPECT_EQ(bridge.Text(1, 71, 7), "       ");
    int flags = 0;
    EXPECT_EQ(bridge.QueryUpdate('A', flags), 21);
    EXPECT_EQ(flags, 0x100);
    while (bridge.Oia(oia) == 5 && GetTickCount() - start < 3000)
    {
        Sleep(20);
    }
    EXPECT_GE(GetTickCount() - start, 290u);
    EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(bridge.QueryUpdate('A', flags), 23);
    EXPECT_EQ(flags, 0x200);
    EXPECT_EQ(bridge.Text(1, 71, 7), "KVFT001");
}

// A timed change comes when its time does, as a real host's answer: the event is signalled then, without any
// bridge call in between.
TEST_F(BridgeTest, TimedChangesSignalTheEventWithoutABridgeCall)
{
    store.WriteScenario("[Session A]\nReplyDelayMs=200\nDescriptionWaitMs=200\n");
    BridgeClient bridge;
    ASSERT_EQ(bridge.Connect('A'), 0);
    ASSERT_EQ(bridge.SetParameters("EXTEND_UPDATE"), 0);
    ASSERT_TRUE(bridge.Press("KVRTFR/KVRFT@E"));
    HANDLE event = nullptr;
    ASSERT_EQ(bridge.StartNotification('A', event), 0);
    ASSERT_EQ(bridge.Put(1, 3, "A QGPL CUSTOMER CUSTOMER 'Y' ' '"), 0);
    ASSERT_EQ(bridge.SendKeys("@E"), 0);
    int flags = 0;
    ASSERT_EQ(bridge.QueryUpdate('A', flags), 21);
    EXPECT_EQ(flags, 0x100);
    WaitForSingleObject(event, 0);

    ASSERT_EQ(WaitForSingleObject(event, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(bridge.QueryUpdate('A', flags), 23);
    EXPECT_EQ(flags, 0x200);
    EXPECT_EQ(bridge.Text(1, 3, 1), "W");

    ASSERT_EQ(WaitForSingleObject(event, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(bridge.QueryUpdate('A', flags), 22);
    EXPECT_EQ(bridge.Text(1, 3, 1), "F");
}

TEST_F(BridgeTest, HostThatNeverAnswersUntilTheSwitchIsOff)
{
    store.WriteScenario("[Session A]\nNeverAnswer=1\n");
    BridgeClient bridge;
    ASSERT_EQ(bridge.Connect('A'), 0);
    ASSERT_EQ(bridge.SetParameters("EXTEND_UPDATE"), 0);
    EXPECT_FALSE(bridge.Press("KVRTFR/KVRFT@E", 400));
    std::string oia;
    EXPECT_EQ(bridge.Oia(oia), 5);
    EXPECT_EQ(oia[91], 1);
    store.WriteScenario("[Session A]\nNeverAnswer=1\nKeepSignalling=1\n");
    int rc = 0;
    QuerySessions(bridge, rc);  // reads the changed scenario at once
    HANDLE event = nullptr;
    ASSERT_EQ(bridge.StartNotification('A', event), 0);
    ASSERT_EQ(bridge.SendKeys("@E"), 5) << "the keyboard is still locked";
    int flags = 0;
    bridge.Oia(oia);
    for (int i = 0; i < 50; ++i)
    {
        ASSERT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_OBJECT_0));
        ASSERT_EQ(bridge.QueryUpdate('A', flags), 22);
    }

    store.WriteScenario("[Session A]\nNeverAnswer=0\n");
    QuerySessions(bridge, rc);
    bridge.Oia(oia);
    EXPECT_EQ(bridge.Oia(oia), 0);
    EXPECT_EQ(bridge.Text(1, 71, 7), "KVFT001");
}

TEST_F(BridgeTest, OperatorErrorAndUpdateScriptFromTheScenario)
{
    store.WriteScenario("[Session A]\nOperatorError=1\n[Session B]\nUpdateScript=21:0x200,21:0x100,22:0,23:0x200\n");
    BridgeClient bridge;
    ASSERT_EQ(bridge.Connect('A'), 0);
    std::string oia;
    EXPECT_EQ(bridge.Oia(oia), 0);
    EXPECT_EQ(oia[90], 1);
    EXPECT_EQ(bridge.SendKeys("A"), 5);

    ASSERT_EQ(bridge.Connect('B'), 0);
    ASSERT_EQ(bridge.SetParameters("EXTEND_UPDATE"), 0);
    HANDLE event = nullptr;
    ASSERT_EQ(bridge.StartNotification('B', event), 0);
    ASSERT_EQ(bridge.SendKeys("@E"), 0);
    std::vector<std::pair<int, int>> seen;
    int flags = 0;
    for (int rc = bridge.QueryUpdate('B', flags); rc != 0; rc = bridge.QueryUpdate('B', flags))
    {
        seen.emplace_back(rc, flags);
    }
    std::vector<std::pair<int, int>> expected{{21, 0x200}, {21, 0x100}, {22, 0}, {23, 0x200}};
    EXPECT_EQ(seen, expected);
}

TEST_F(BridgeTest, NotificationEventIsARealHandle)
{
    BridgeClient bridge;
    ASSERT_EQ(bridge.Connect('A'), 0);
    HANDLE event = nullptr;
    ASSERT_EQ(bridge.StartNotification('A', event), 0);
    ASSERT_TRUE(DuplicateOwnHandle(event).IsValid());
    HANDLE again = nullptr;
    ASSERT_EQ(bridge.StartNotification('A', again), 0);
    EXPECT_EQ(again, event);
}

TEST_F(BridgeTest, TraceRecordsEveryCall)
{
    store.WriteScenario("[Bridge]\nTrace=trace.log\n");
    {
        BridgeClient bridge;
        ASSERT_EQ(bridge.Connect('A'), 0);
        ASSERT_EQ(bridge.SetParameters("EXTEND_UPDATE"), 0);
        ASSERT_TRUE(bridge.Press("KVRTFR/KVRFT@E"));
        std::string text;
        bridge.Copy(1, 3, 75, text);
        int status = 0;
        bridge.Status('A', status);
    }
    std::vector<std::string> lines = store.TraceLines();
    auto has = [&](const std::string& part) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(part) != std::string::npos; });
    };
    EXPECT_TRUE(has("fn=1 ConnectPresentationSpace rc=0 session=A"));
    EXPECT_TRUE(has("fn=3 SendKey rc=0 session=A len=14 keys=\"KVRTFR/KVRFT@E\""));
    EXPECT_TRUE(has("fn=23 StartHostNotification rc=0 session=A"));
    EXPECT_TRUE(has("fn=24 QueryHostUpdate rc=23 session=A"));
    EXPECT_TRUE(has("host A row1=\""));
    EXPECT_TRUE(has("fn=8 CopyPresentationSpaceToString rc=0 pos=3 len=75 text=\""));
    EXPECT_TRUE(has("KVRGetStatus session=A status=0x000 rc=0"));
}

TEST_F(BridgeTest, BridgeWithoutStatusEntry)
{
    BridgeClient bridge("nostatus\\KVHLL32.dll");
    ASSERT_TRUE(bridge.Loaded());
    int status = 0;
    EXPECT_EQ(bridge.Status('A', status), -1);
    EXPECT_EQ(bridge.Connect('A'), 0);
}
