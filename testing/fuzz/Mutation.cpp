#include "Mutation.h"

std::string Damage(std::string bytes, std::mt19937& random, const std::string& interesting)
{
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes && !bytes.empty(); ++i)
    {
        const size_t at = random() % bytes.size();
        const char byte = random() % 2 ? interesting[random() % interesting.size()] : static_cast<char>(random());
        switch (random() % 5)
        {
        case 0:
            bytes[at] = byte;
            break;
        case 1:
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), byte);
            break;
        case 2:
            bytes.erase(at, 1 + random() % 8);
            break;
        case 3:
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
            break;
        default:
            bytes.resize(at + 1);
            break;
        }
    }
    return bytes;
}
