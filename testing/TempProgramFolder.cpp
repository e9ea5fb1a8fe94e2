#include "TempProgramFolder.h"

#include "OwnedHandles.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace
{

std::atomic<int> g_folderCount{0};

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    OwnedFind find(FindFirstFileA((folder + "\\*").c_str(), &entry));
    if (find)
    {
        do
        {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
            {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find.Get(), &entry));
    }
    RemoveDirectoryA(folder.c_str());
}

}

TempProgramFolder::TempProgramFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char name[64];
    std::snprintf(name, sizeof name, "zrt-%lu-%d-%lu", GetCurrentProcessId(), ++g_folderCount, GetTickCount());
    m_parent = std::string(temp) + name;
    m_path = m_parent + "\\bin";
    if (!CreateDirectoryA(m_parent.c_str(), nullptr) || !CreateDirectoryA(m_path.c_str(), nullptr))
        throw std::runtime_error("cannot create the temporary program folder " + m_path);
}

TempProgramFolder::~TempProgramFolder()
{
    RemoveTree(m_parent);
}

std::string TempProgramFolder::BuildProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\'));
}

std::string TempProgramFolder::PathOf(const char* name, FolderPlace place) const
{
    return (place == FolderPlace::Program ? m_path : m_parent) + "\\" + name;
}

void TempProgramFolder::AddVersionLibrary(FolderPlace place)
{
    CopyFromBuild(kVersionLibraryFile, kVersionLibraryFile, place);
}

void TempProgramFolder::AddCodeTable(FolderPlace place)
{
    CopyFromBuild(kCodeTableFile, kCodeTableFile, place);
}

void TempProgramFolder::CopyFromBuild(const char* relativePath, const char* name, FolderPlace place)
{
    const std::string source = BuildProgramFolder() + "\\" + relativePath;
    if (!CopyFileA(source.c_str(), PathOf(name, place).c_str(), FALSE))
        throw std::runtime_error("cannot copy " + source);
}

void TempProgramFolder::AddManager(ManagerLibrary kind, std::initializer_list<const char*> besideReal)
{
    switch (kind)
    {
    case ManagerLibrary::Fake:
        CopyFromBuild("variants\\fake-zrtmgr\\Zrtmgr.dll", "Zrtmgr.dll");
        break;
    case ManagerLibrary::NoExport:
        CopyFromBuild("variants\\zrtmgr-without-export\\Zrtmgr.dll", "Zrtmgr.dll");
        break;
    case ManagerLibrary::Real:
        CopyFromBuild("Zrtmgr.dll", "Zrtmgr.dll");
        for (const char* library : besideReal)
            CopyFromBuild(library, library);
        break;
    case ManagerLibrary::Missing:
        break;
    }
}

void TempProgramFolder::WriteFile(const char* name, const std::string& content, FolderPlace place)
{
    const std::string path = PathOf(name, place);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        throw std::runtime_error("cannot write " + path);
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
}

std::vector<std::string> TempProgramFolder::FakeManagerCalls() const
{
    std::vector<std::string> calls;
    std::ifstream log(PathOf("FakeZrtmgr.log"));
    std::string line;
    while (std::getline(log, line))
        calls.push_back(line);
    return calls;
}
