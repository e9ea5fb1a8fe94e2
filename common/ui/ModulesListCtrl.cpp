#include "ModulesListCtrl.h"

#include "AsciiText.h"
#include "OwnedHandles.h"

namespace
{
const int kColumns = 3;

struct ModuleRecord : ImageListRecord
{
    std::string name;
    std::string version;
    std::string description;
};

const char* const kPatterns[] = {"*.EXE", "*.DLL", "*.SYS", "*.VXD"};
const char* const kSkipped[] = {"SETUP.EXE", "_SETUP.DLL", "VPE32.DLL", "_ISDEL.EXE"};

bool IsSkipped(const std::string& name)
{
    for (const char* skipped : kSkipped)
    {
        if (name == skipped)
        {
            return true;
        }
    }
    return false;
}

template <class Visit>
void ForEachEntry(const std::string& pattern, Visit visit)
{
    WIN32_FIND_DATAA entry;
    OwnedFind search(FindFirstFileA(pattern.c_str(), &entry));
    if (!search)
    {
        return;
    }
    do
    {
        visit(entry);
    } while (FindNextFileA(search.Get(), &entry));
}
}

BOOL CModulesListCtrl::AddModule(const std::string& name, const std::string& version, const std::string& description)
{
    auto record = std::make_unique<ModuleRecord>();
    record->cellImages = BlankCellImages(kColumns);
    record->name = name;
    record->version = version;
    record->description = description;
    return InsertItem(std::move(record), -1) >= 0;
}

int CModulesListCtrl::CompareItems(ImageListRecord*, ImageListRecord*, int)
{
    return 0;
}

void CModulesListCtrl::GetItemText(std::string& text, ImageListRecord* item, int column)
{
    const ModuleRecord* record = static_cast<const ModuleRecord*>(item);
    switch (column)
    {
    case 0:
        text = record->name;
        break;
    case 1:
        text = record->version;
        break;
    case 2:
        text = record->description;
        break;
    default:
        text.clear();
        break;
    }
}

int CModulesListCtrl::GetItemImage(ImageListRecord*)
{
    return 0;
}

void ScanModuleFolder(const std::string& folder,
                      const std::function<void(const std::string& path, const std::string& name)>& found)
{
    ForEachEntry(folder + "\\*", [&](const WIN32_FIND_DATAA& entry) {
        if (entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY && entry.cFileName[0] != '.')
        {
            ScanModuleFolder(folder + "\\" + entry.cFileName, found);
        }
    });
    for (const char* pattern : kPatterns)
    {
        ForEachEntry(folder + "\\" + pattern, [&](const WIN32_FIND_DATAA& entry) {
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            {
                return;
            }
            std::string name = ToAsciiUpper(entry.cFileName);
            if (!IsSkipped(name))
            {
                found(folder + "\\" + entry.cFileName, name);
            }
        });
    }
}
