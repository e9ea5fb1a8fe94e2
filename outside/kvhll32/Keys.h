// Keystrokes in HLLAPI key notation: plain characters, "@@" for '@', "@E" Enter, "@1"-"@9" PF1-PF9
// (AID keys, which send the screen to the host) and "@R" Reset (clears an operator error).
#pragma once

#include <string_view>
#include <vector>

namespace kvhll
{

struct Key
{
    enum class Kind
    {
        Character,
        Aid,
        Reset
    };
    Kind kind = Kind::Character;
    char value = ' ';  // the character, or the AID: 'E' Enter, '1'-'9' PF1-PF9
};

// FALSE on an unknown mnemonic or a lone '@' at the end.
bool ParseKeys(std::string_view text, std::vector<Key>& keys);

}  // namespace kvhll
