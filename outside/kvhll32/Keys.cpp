#include "Keys.h"

namespace kvhll
{

bool ParseKeys(std::string_view text, std::vector<Key>& keys)
{
    keys.clear();
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '@')
        {
            keys.push_back(Key{Key::Kind::Character, text[i]});
            continue;
        }
        if (++i == text.size())
        {
            return false;
        }
        char mnemonic = text[i];
        if (mnemonic == '@')
        {
            keys.push_back(Key{Key::Kind::Character, '@'});
        }
        else if (mnemonic == 'E' || (mnemonic >= '1' && mnemonic <= '9'))
        {
            keys.push_back(Key{Key::Kind::Aid, mnemonic});
        }
        else if (mnemonic == 'R')
        {
            keys.push_back(Key{Key::Kind::Reset, mnemonic});
        }
        else
        {
            return false;
        }
    }
    return true;
}

}  // namespace kvhll
