// CZRSViaHLLAPI: the HLLAPI session base of both host data sources. Loads the emulator's bridge library, wraps
// each HLLAPI function with its return-code messages, types keys and waits for the host, checks screen text and
// lists the emulator's host sessions.
#pragma once

#include "HllapiBridge.h"
#include "HostScreen.h"
#include "DataSource.h"
#include "OwnedHandles.h"

#include <string>

class CZRSViaHLLAPI : public CDataSource
{
public:
    // One 3-byte entry per host display session into text ([0] 1 when free, [1] short name, [2] 0), the number
    // of entries into number1, 0 into number2. The text holds at least 78 bytes.
    BOOL QueryInfo(char* text, int* number1, int* number2) override;

protected:
    CZRSViaHLLAPI() = default;

    // Session letter from profile parameter 303.
    bool ReadSessionLetter();
    BOOL LoadHllapi();
    void FreeHllapi();
    bool IsHllapiLoaded() const { return m_bridge.IsValid(); }
    // True while the presentation space is connected (Connect Presentation Space succeeded and neither
    // Disconnect Presentation Space nor Reset System followed).
    bool IsPsConnected() const { return m_psConnected; }

    // One wrapper per HLLAPI function; each reports its own failure. Positions are (row, column) from 1 on the
    // 24 x 80 presentation space; a column above 80 runs on into the following rows.
    bool ConnectPresentationSpace();
    void DisconnectPresentationSpace();
    bool SendKey(const char* keys);
    bool QueryCursorLocation(int& row, int& column);
    // Copies count characters (or those of a place) into buffer (one byte more) and ends them with a zero.
    bool CopyPresentationSpaceToString(int row, int column, char* buffer, int count);
    bool CopyPresentationSpaceToString(const ScreenPlace& place, char* buffer)
    {
        return CopyPresentationSpaceToString(place.row, place.column, buffer, place.chars);
    }
    bool SetSessionParameters(const char* parameters);
    bool CopyOIA(int byteIndex, bool& on);
    bool CopyStringToPresentationSpace(int row, int column, const char* data, int count);
    void ResetSystem();
    bool SetCursor(int row, int column);

    bool IsOperatorError(bool& on) { return CopyOIA(HLL_OIA_OPERATOR_ERROR, on); }
    bool IsInputInhibited(bool& on) { return CopyOIA(HLL_OIA_INPUT_INHIBITED, on); }

    // Types keys in HLLAPI key notation and waits until the host has answered.
    BOOL SendKeysAndWait(const char* keys);
    // TRUE when the text stands at the position, without regard to case; an empty text is always there.
    BOOL IsTextAt(int row, int column, const char* text);
    // TRUE when the cursor stands on the AS/400 command line ("===> " on its row or the row above).
    BOOL CheckCommandLine();

    // Types the text with every '@' doubled, then Enter, and waits for the host's answer.
    bool TypeCommand(const std::string& text);
    // Copies a buffer's header over the reply line, then Enter, and waits for the host's answer.
    bool SendHeader(const char* header, int length);

    // Text typed as data: every '@' doubled, so that it is not taken for a key.
    static std::string DoubleAts(const char* text);

    DWORD DdsTimeout() const { return m_ddsTimeout; }

private:
    struct RcMessage
    {
        int rc;
        UINT id;
    };

    int Call(int function, void* data, int* length, int* returnCode);
    // Reports the message of the return code (IDS_HLL_UNKNOWN_ERROR when it has none) and returns false.
    bool ReportRc(int line, int rc, const RcMessage* messages, int count);
    bool QuerySessions(char* entries, int& count);
    bool StartHostNotification(char* block);
    BOOL WaitForHost(const char* block);
    void QueryHostUpdate(int& flags, int& rc);
    // The bridge is handed a writable copy of the caller's text; the copy's room is kept from call to call.
    char* CallData(const char* text, std::size_t count);

    char m_session = 'A';
    OwnedModule m_bridge;
    HllapiEntry m_hllapi = nullptr;
    KvrGetStatusEntry m_getStatus = nullptr;
    DWORD m_sendKeyTimeout = 60000;
    DWORD m_ddsTimeout = 60000;
    bool m_psConnected = false;
    std::string m_callData;
};
