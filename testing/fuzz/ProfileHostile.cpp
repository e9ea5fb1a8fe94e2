// Profiles of the four HLLAPI kinds, damaged and read strictly as Zrtbatch reads them. A read that succeeds must
// hold exactly what the file says: each value, written back, is the text the damaged file holds for its key (case
// and the blanks around it aside, numbers by their value), except where writing replaces unused values.
#include "HostileReaders.h"

#include "Mutation.h"
#include "ProfileFiles.h"
#include "ProfileTestSupport.h"
#include "ZRCallbacks.h"
#include "ZRErrorHandling.h"
#include "ZRProfileContext.h"
#include "ZRProfileHllAPI.h"

#include <algorithm>
#include <random>
#include <set>

namespace
{
const char* const kProfiles[] = {
    "[General]\r\nConnection=HLLAPI\r\nDirection=Host to PC\r\nHost type=AS/400\r\n"
    "Character set=EBCDIC to ASCII\r\nAuto close=No\r\nTransfer type=Plain\r\n"
    "[Host request]\r\nPresentation space ID=C\r\nHost file type=Source\r\nDescription file=C:\\d.fmt\r\n"
    "SQL from=LIB/FILE(MBR)\r\n"
    "[PC request]\r\nFilename=C:\\in\\data.csv\r\nPC file type=CSV (Comma delimiter)\r\n"
    "Remove blanks=No\r\nDecimal char is dot=No\r\nPC write mode=Append to file\r\n",
    "[General]\r\nConnection=HLLAPI\r\nDirection=PC to Host\r\nHost type=AS/400\r\n"
    "Character set=ASCII to EBCDIC\r\nAuto close=No\r\nTransfer type=Plain\r\n"
    "[Host request]\r\nPresentation space ID=C\r\nHost file type=Source\r\nDescription file=C:\\d.fmt\r\n"
    "SQL into=LIB/FILE(MBR)\r\nHost write mode=Create host member\r\nRecord length=500\r\n"
    "[PC request]\r\nFilename=C:\\in\\data.csv\r\nPC file type=CSV (Comma delimiter)\r\n"
    "Remove blanks=No\r\nDecimal char is dot=No\r\n",
    "[General]\r\nConnection=HLLAPI\r\nDirection=Host to PC\r\nHost type=System/36\r\n"
    "Character set=EBCDIC to ASCII\r\nAuto close=No\r\nTransfer type=Plain\r\n"
    "[Host request]\r\nPresentation space ID=C\r\nHost file type=Source\r\nDescription file=C:\\d.fmt\r\n"
    "SQL from=LIB1(MEM1)\r\n"
    "[PC request]\r\nFilename=C:\\in\\data.csv\r\nPC file type=CSV (Comma delimiter)\r\n"
    "Remove blanks=No\r\nDecimal char is dot=No\r\nPC write mode=Append to file\r\n",
    "[General]\r\nConnection=HLLAPI\r\nDirection=PC to Host\r\nHost type=System/36\r\n"
    "Character set=ASCII to EBCDIC\r\nAuto close=No\r\nTransfer type=Plain\r\n"
    "[Host request]\r\nPresentation space ID=C\r\nHost file type=Member/Data\r\nDescription file=C:\\d.fmt\r\n"
    "SQL into=FILE1\r\nHost write mode=Replace host file\r\nRecord length=500\r\nNumber of records=50\r\n"
    "[PC request]\r\nFilename=C:\\in\\data.csv\r\nPC file type=CSV (Comma delimiter)\r\n"
    "Remove blanks=No\r\nDecimal char is dot=No\r\n",
};
const char kInteresting[] = {'=', '[', ']', '\r', '\n', ' ', '\t', '0', '9', '-', '+', 'x', ';', '\0', '\xFF'};

std::string Trimmed(std::string text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Numbers by their value: leading zeros do not count.
std::string Normalised(const std::string& text)
{
    std::string value = Trimmed(text);
    if (!value.empty() && value.find_first_not_of("0123456789") == std::string::npos)
    {
        value.erase(0, std::min(value.find_first_not_of('0'), value.size() - 1));
    }
    return value;
}

// The value of a key as the private-profile functions give it; "(missing)" for none.
std::string RawValue(const std::string& path, const IniLine& line)
{
    char value[1024];
    GetPrivateProfileStringA(line.section.c_str(), line.key.c_str(), "(missing)", value, sizeof value, path.c_str());
    return value;
}

class ProfileReader : public HostileReader
{
public:
    ProfileReader()
    {
        InstallErrorContext();
        InstallOptionsCallbacks(&m_options);
        for (size_t kind = 0; kind < std::size(kProfiles); ++kind)
            m_resetOnWrite.push_back(ResetKeys(kProfiles[kind], kind));
        InstallProfileCallbacks(nullptr);
    }

    ~ProfileReader() override
    {
        InstallProfileCallbacks(nullptr);
        InstallOptionsCallbacks(nullptr);
        ClearErrorList();
    }

    const char* Name() const override { return "profile"; }

    HostileVerdict Run(uint32_t number, std::string& detail) override
    {
        std::mt19937 random(number * 6151u + 17u);
        const size_t kind = number % std::size(kProfiles);
        // A name of its own for every case: the private-profile functions may keep a file they read.
        const std::string path = m_folder.File(("damaged" + std::to_string(number) + ".h2p").c_str());
        WriteFileBytes(path, Damage(kProfiles[kind], random, std::string(kInteresting, sizeof kInteresting)));
        ClearErrorList();
        BOOL read = FALSE;
        auto profile = ReadProfile(path, true, &read);
        const HostileVerdict verdict = Judge(*profile, read, kind, path, number, detail);
        InstallProfileCallbacks(nullptr);
        DeleteFileA(path.c_str());
        return verdict;
    }

private:
    HostileVerdict Judge(CZRProfile& profile, BOOL read, size_t kind, const std::string& path, uint32_t number,
                         std::string& detail)
    {
        const size_t messages = TakeMessages();
        if (!read)
        {
            if (messages > 0)
                return HostileVerdict::Refused;
            detail = "refused without a message";
            return HostileVerdict::Wrong;
        }
        if (messages > 0)
        {
            detail = "read with a message";
            return HostileVerdict::Wrong;
        }
        for (const IniLine& line : WrittenKeys(profile, number))
        {
            if (m_resetOnWrite[kind].count(line.section + "|" + line.key))
                continue;
            if (Normalised(line.value) != Normalised(RawValue(path, line)))
            {
                detail = line.section + "/" + line.key + " read as '" + line.value + "'";
                return HostileVerdict::Wrong;
            }
        }
        return HostileVerdict::Clean;
    }

    size_t TakeMessages()
    {
        size_t count = 0;
        GetErrorList().Drain([&count](const ErrorRecord&) { ++count; });
        return count;
    }

    // The keys of the profile as writing it gives them.
    std::vector<IniLine> WrittenKeys(CZRProfile& profile, uint32_t number)
    {
        const std::string written = m_folder.File(("written" + std::to_string(number) + ".h2p").c_str());
        profile.SetFileName(written.c_str());
        profile.Write();
        std::vector<IniLine> keys = ParseIni(ReadFileBytes(written));
        DeleteFileA(written.c_str());
        return keys;
    }

    // The keys that writing the good profile of a kind changes: unused values that writing resets.
    std::set<std::string> ResetKeys(const char* good, size_t kind)
    {
        const std::string path = m_folder.File(("good" + std::to_string(kind) + ".h2p").c_str());
        WriteFileBytes(path, good);
        BOOL read = FALSE;
        auto profile = ReadProfile(path, true, &read);
        TakeMessages();
        std::set<std::string> keys;
        for (const IniLine& line : WrittenKeys(*profile, 1000000u + static_cast<uint32_t>(kind)))
            if (Normalised(line.value) != Normalised(RawValue(path, line)))
                keys.insert(line.section + "|" + line.key);
        return keys;
    }

    CZROptions m_options;
    CScratchFolder m_folder;
    std::vector<std::set<std::string>> m_resetOnWrite;
};
}

std::unique_ptr<HostileReader> MakeProfileReader(const std::string& name)
{
    return name == "profile" ? std::make_unique<ProfileReader>() : nullptr;
}
