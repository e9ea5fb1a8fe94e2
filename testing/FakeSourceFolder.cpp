#include "FakeSourceFolder.h"

#include <windows.h>

#include <fstream>

void FakeSourceFolder::InstallFromBuild(const std::string& file, const std::string& library)
{
    m_folder.CopyFromBuild(file.c_str(), library.c_str());
}

void FakeSourceFolder::InstallFake(const std::string& library)
{
    InstallFromBuild("ZrtFakeSource.dll", library);
}

void FakeSourceFolder::InstallWithoutFactory(const std::string& library)
{
    InstallFromBuild("ZrtFakeNoFactory.dll", library);
}

void FakeSourceFolder::WriteScenario(const std::string& text)
{
    m_folder.WriteFile("fakesource.ini", text);
}

std::vector<std::string> FakeSourceFolder::Log() const
{
    std::vector<std::string> lines;
    std::ifstream in(File("fakesource.log"));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> FakeSourceFolder::Log(const std::string& library) const
{
    std::vector<std::string> lines;
    const std::string prefix = library + " ";
    for (const std::string& line : Log())
        if (line.compare(0, prefix.size(), prefix) == 0)
            lines.push_back(line.substr(prefix.size()));
    return lines;
}

void FakeSourceFolder::ClearLog() const
{
    DeleteFileA(File("fakesource.log").c_str());
}
