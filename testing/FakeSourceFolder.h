// A program folder of its own for one test, in which the scripted fake data source (ZrtFakeSource.dll of the build)
// is installed under the library names the test needs, with its scenario file and its call log.
#pragma once

#include "TempProgramFolder.h"

#include <string>
#include <vector>

class FakeSourceFolder
{
public:
    const std::string& Path() const { return m_folder.Path(); }
    std::string File(const std::string& name) const { return Path() + "\\" + name; }

    // Copies the fake in as `library` (for example "ZRTAS400.DLL").
    void InstallFake(const std::string& library);
    // Copies in a library of that name that lacks the factory export.
    void InstallWithoutFactory(const std::string& library);
    // Copies a file of the build's program folder in under another name (a real data-source library).
    void InstallFromBuild(const std::string& file, const std::string& library);

    // Writes fakesource.ini (a section per library, see fakesource/FakeScenario.h).
    void WriteScenario(const std::string& text);
    // The call log, line by line.
    std::vector<std::string> Log() const;
    // The lines of one library, without its name.
    std::vector<std::string> Log(const std::string& library) const;
    void ClearLog() const;

private:
    TempProgramFolder m_folder;
};
