#include "FileMutation.h"

#include "NumberText.h"

std::string Mutate(std::string file, std::mt19937& random, const std::string& interesting, size_t longestCut,
                   bool flipBits)
{
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes && !file.empty(); ++i)
    {
        const size_t at = random() % file.size();
        const char byte = random() % 2 ? interesting[random() % interesting.size()] : static_cast<char>(random());
        switch (random() % (flipBits ? 5 : 4))
        {
        case 0:
            file[at] = byte;
            break;
        case 1:
            file.insert(file.begin() + at, byte);
            break;
        case 2:
            file.erase(at, 1 + random() % longestCut);
            break;
        case 3:
            if (flipBits)
            {
                file[at] = static_cast<char>(file[at] ^ (1 << (random() % 8)));
                break;
            }
            [[fallthrough]];
        default:
            file.resize(at + 1);
            break;
        }
    }
    return file;
}

bool NumbersAreNumbers(const std::vector<std::vector<std::string>>& records)
{
    for (const auto& record : records)
        for (size_t i = 1; i < record.size(); ++i)
            if (!IsNumberText(record[i].data(), record[i].size()))
                return false;
    return true;
}
