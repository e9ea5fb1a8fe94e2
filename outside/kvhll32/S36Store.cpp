#include "S36Store.h"

#include "IniFile.h"
#include "StoreFiles.h"

namespace kvhll
{
namespace
{

const char* MemberSection(char memberType)
{
    return memberType == 'S' ? "Source" : "Procedure";
}

}  // namespace

std::string S36Store::FilePath(const std::string& file) const
{
    return JoinPath(JoinPath(folder_, "FILES"), file);
}

std::string S36Store::LibraryPath(const std::string& library) const
{
    return JoinPath(JoinPath(folder_, "LIBRARIES"), library);
}

bool S36Store::HasLibrary(const std::string& library) const
{
    return FolderExists(LibraryPath(library));
}

std::string S36Store::DataPath(const S36Object& object) const
{
    if (object.memberType == ' ')
    {
        return FilePath(object.file) + ".DAT";
    }
    return JoinPath(LibraryPath(object.library), object.member + (object.memberType == 'S' ? ".SRC" : ".PRC"));
}

StoreResult S36Store::RecordLength(const S36Object& object, int& recordLength) const
{
    IniFile definition;
    long length = 0;
    if (object.memberType == ' ')
    {
        if (!FileExists(FilePath(object.file) + ".INI") || !definition.Load(FilePath(object.file) + ".INI"))
        {
            return StoreResult::NotFound;
        }
        length = definition.GetNumber("File", "RecordLength", 0);
    }
    else
    {
        definition.Load(JoinPath(LibraryPath(object.library), "LIBRARY.INI"));
        if (definition.Get(MemberSection(object.memberType), object.member).empty())
        {
            return StoreResult::NotFound;
        }
        length = definition.GetNumber(MemberSection(object.memberType), object.member, 0);
    }
    if (length < 1 || length > 4096)
    {
        return StoreResult::Damaged;
    }
    recordLength = static_cast<int>(length);
    return StoreResult::Ok;
}

StoreResult S36Store::Define(const S36Object& object, int recordLength, long allocation)
{
    IniFile definition;
    std::string path;
    if (object.memberType == ' ')
    {
        if (!MakeFolder(JoinPath(folder_, "FILES")))
        {
            return StoreResult::WriteFailed;
        }
        path = FilePath(object.file) + ".INI";
        definition.Load(path);
        definition.Set("File", "RecordLength", std::to_string(recordLength));
        definition.Set("File", "Records", std::to_string(allocation));
    }
    else
    {
        path = JoinPath(LibraryPath(object.library), "LIBRARY.INI");
        definition.Load(path);
        definition.Set(MemberSection(object.memberType), object.member, std::to_string(recordLength));
    }
    return definition.Save(path) ? StoreResult::Ok : StoreResult::WriteFailed;
}

}  // namespace kvhll
