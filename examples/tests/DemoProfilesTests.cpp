// The demo's profiles and profile list. Each profile is what the profile model itself writes, byte for byte, and
// reads strictly, as Zrtbatch reads it; the list names every profile once.
#include "OwnedHandles.h"
#include "ZRCallbacks.h"
#include "ZRErrorHandling.h"
#include "ZROptions.h"
#include "ZRProfileContext.h"
#include "ZRProfileHllAPI.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
// The examples folder as this program sees it: Wine shows the Unix file system as drive Z:.
std::string ExamplesFolder()
{
    std::string path = "Z:" ZRT_EXAMPLES_DIR;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// As the demo script makes a run's files from the templates: "${RUN}" becomes the run folder, lines end in CR LF.
std::string Instantiate(const std::string& templateText, const std::string& runFolder)
{
    std::string text;
    for (std::string line : Lines(templateText))
    {
        for (size_t at = line.find("${RUN}"); at != std::string::npos; at = line.find("${RUN}", at))
            line.replace(at, 6, runFolder);
        text += line + "\r\n";
    }
    return text;
}

// The profile templates' file names, sorted.
std::vector<std::string> ProfileNames()
{
    std::vector<std::string> names;
    for (const char* pattern : {"\\profiles\\*.h2p", "\\profiles\\*.p2h"})
    {
        WIN32_FIND_DATAA data;
        OwnedFind find(FindFirstFileA((ExamplesFolder() + pattern).c_str(), &data));
        if (!find)
            continue;
        do
            names.emplace_back(data.cFileName);
        while (FindNextFileA(find.Get(), &data));
    }
    std::sort(names.begin(), names.end());
    return names;
}

class DemoProfiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char temporary[MAX_PATH];
        GetTempPathA(sizeof temporary, temporary);
        m_run = std::string(temporary) + "zrt-demo-" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(m_run.c_str(), nullptr));
        InstallErrorContext();
        ClearErrorList();
        InstallOptionsCallbacks(&m_options);
        SetStrictProfileReading(TRUE);
        SetProfileNameWarningId(IDS_ZR_NAME_INVALID_BATCH);
    }

    void TearDown() override
    {
        InstallProfileCallbacks(nullptr);
        InstallOptionsCallbacks(nullptr);
        ClearErrorList();
        WIN32_FIND_DATAA data;
        OwnedFind find(FindFirstFileA((m_run + "\\*").c_str(), &data));
        if (find)
        {
            do
                DeleteFileA((m_run + "\\" + data.cFileName).c_str());
            while (FindNextFileA(find.Get(), &data));
        }
        RemoveDirectoryA(m_run.c_str());
    }

    std::string Errors()
    {
        std::string texts;
        GetErrorList().Drain([&texts](const ErrorRecord& record) { texts += std::string(record.text) + "\n"; });
        return texts;
    }

    CZROptions m_options;
    std::string m_run;
};
}

TEST_F(DemoProfiles, EachReadsStrictlyAndIsWrittenBackByteForByte)
{
    const std::vector<std::string> names = ProfileNames();
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names)
    {
        SCOPED_TRACE(name);
        const std::string text = Instantiate(ReadText(ExamplesFolder() + "\\profiles\\" + name), m_run);
        const std::string path = m_run + "\\" + name;
        std::ofstream(path, std::ios::binary) << text;
        CZRProfileHllAPI profile(path.c_str());
        InstallProfileCallbacks(&profile);
        ASSERT_TRUE(profile.Read()) << Errors();
        EXPECT_EQ(Errors(), "");
        const std::string written = m_run + "\\written-" + name;
        profile.SetFileName(written.c_str());
        ASSERT_TRUE(profile.Write());
        EXPECT_EQ(ReadText(written), text);
        InstallProfileCallbacks(nullptr);
    }
}

TEST_F(DemoProfiles, TheListNamesEveryProfileOnce)
{
    std::vector<std::string> listed;
    const std::string prefix = "${RUN}\\profiles\\";
    for (const std::string& line : Lines(ReadText(ExamplesFolder() + "\\demo.prl")))
    {
        ASSERT_EQ(line.rfind(prefix, 0), 0u) << line;
        listed.push_back(line.substr(prefix.size()));
    }
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, ProfileNames());
}
