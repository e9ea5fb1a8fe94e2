// The PC side of both screen protocols, reduced to what a test needs: typing commands and headers, pressing
// keys and waiting for the host, and reading replies, messages and the data area.
#pragma once

#include <string>

#include "BridgeClient.h"

namespace kvtest
{

class HostSession
{
public:
    // Connects to the session and sets EXTEND_UPDATE; does not start the host program.
    explicit HostSession(char letter);
    BridgeClient& Bridge() { return bridge_; }

    bool Enter() { return bridge_.Press("@E"); }
    bool Pf3() { return bridge_.Press("@3"); }
    // Types the text at the cursor and presses Enter.
    bool Type(const std::string& text) { return bridge_.Press(text + "@E"); }
    std::string Reply() { return bridge_.Text(1, 3, 75); }
    // The data area: EBCDIC bytes, or (hex) the characters as ASCII.
    std::string Area(int length = 1760, bool ebcdic = true);
    // Places bytes in the data area: EBCDIC, or (hex) ASCII characters.
    int PutArea(const std::string& data, bool ebcdic = true);

protected:
    BridgeClient bridge_;
};

class As400Session : public HostSession
{
public:
    explicit As400Session(char letter = 'A') : HostSession(letter) {}
    // Types "KVRTFR/KVRFT" on the command line; TRUE when KVFT001 shows.
    bool StartProgram();
    bool Running() { return bridge_.Text(1, 71, 7) == "KVFT001"; }
    std::string Message() { return bridge_.Text(24, 2, 78); }
    // Places the header at (1, 3) and presses Enter.
    bool SendHeader(char code, int count, int recordLength);
    // Sends descriptions ('F' screens of 26, then '+' 0 66) as the text writer does; the last reply.
    std::string SendDescriptions(const std::string& descriptions);
};

class S36Session : public HostSession
{
public:
    explicit S36Session(char letter = 'E') : HostSession(letter) {}
    // Sets the cursor to (22, 3) and types "FT36"; TRUE when '*' shows at (1, 4).
    bool StartProgram();
    bool Running() { return bridge_.Text(1, 4, 1) == "*"; }
    // Builds the 50-column line (names padded to 8) and types it.
    bool Command(const std::string& line);
    bool SendHeader(char code, int count);
    std::string Message() { return bridge_.Text(1, 5, 74); }
};

// A 50-column command: the characters placed at their columns, blanks elsewhere.
std::string S36Line(char verb, char disposition, long records, char form, int recordLength, const std::string& name,
                    char memberType, const std::string& member);
// One 66-character description.
std::string Description(const std::string& name, char type, int length, int decimals, const std::string& text = "");

}  // namespace kvtest
