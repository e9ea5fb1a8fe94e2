// A fresh program folder in the temporary folder, removed with everything in it when the object goes.
// Tests place the version library and the code-table file in it or in its parent, as an installation would.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

// Which Zrtmgr.dll a program folder holds.
enum class ManagerLibrary
{
    Fake,  // the scripted stand-in of the programs' tests
    Missing,
    NoExport,  // a library without ZRTCreateObject
    Real,      // the system's own
};

enum class FolderPlace
{
    Program,
    Parent,
};

class TempProgramFolder
{
public:
    static constexpr const char* kVersionLibraryFile = "Zrtver.dll";
    static constexpr const char* kCodeTableFile = "ZRT850.TBL";

    // "<temp>\zrt-<unique>\bin", empty.
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    // The folder of the running test program: the build's program folder.
    static std::string BuildProgramFolder();

    const std::string& Path() const { return m_path; }
    const std::string& ParentPath() const { return m_parent; }
    std::string PathOf(const char* name, FolderPlace place = FolderPlace::Program) const;

    // Zrtver.dll and the code-table file from the build's program folder.
    void AddVersionLibrary(FolderPlace place = FolderPlace::Program);
    void AddCodeTable(FolderPlace place = FolderPlace::Program);
    // A file of the build's program folder (a path relative to it), under `name`.
    void CopyFromBuild(const char* relativePath, const char* name, FolderPlace place = FolderPlace::Program);
    // Zrtmgr.dll of that kind from the build; the real one with the files named in `besideReal` (from the build's
    // program folder) beside it.
    void AddManager(ManagerLibrary kind, std::initializer_list<const char*> besideReal);
    // The calls the fake Zrtmgr.dll of this folder logged, one a line, oldest first.
    std::vector<std::string> FakeManagerCalls() const;
    void WriteFile(const char* name, const std::string& content, FolderPlace place = FolderPlace::Program);

private:
    std::string m_parent;
    std::string m_path;
};
