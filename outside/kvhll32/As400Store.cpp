#include "As400Store.h"

#include "IniFile.h"
#include "RecordFile.h"
#include "StoreFiles.h"

namespace kvhll
{

bool HasMember(const As400File& file, const std::string& member)
{
    for (const NamedText& m : file.members)
    {
        if (EqualNoCase(m.name, member))
        {
            return true;
        }
    }
    return false;
}

std::vector<HostField> As400Store::SourceFields(int recordLength)
{
    return {
        HostField{"SRCSEQ", 'S', 6, 2, "Sequence number"},
        HostField{"SRCDAT", 'S', 6, 0, "Date of change"},
        HostField{"SRCDTA", 'A', recordLength - 12, 0, "Source statement"},
    };
}

std::string As400Store::LibraryPath(const std::string& library) const
{
    return JoinPath(folder_, library);
}

std::vector<NamedText> As400Store::Libraries() const
{
    IniFile texts;
    texts.Load(JoinPath(folder_, "LIBRARIES.INI"));
    std::vector<NamedText> libraries;
    for (const std::string& name : ListFolders(folder_))
    {
        libraries.push_back(NamedText{name, texts.Get("Libraries", name)});
    }
    return libraries;
}

bool As400Store::HasLibrary(const std::string& library) const
{
    return FolderExists(LibraryPath(library));
}

std::vector<NamedText> As400Store::Files(const std::string& library) const
{
    std::vector<NamedText> files;
    for (const std::string& entry : ListFiles(LibraryPath(library), "*.INI"))
    {
        std::string name = entry.substr(0, entry.size() - 4);
        IniFile definition;
        definition.Load(JoinPath(LibraryPath(library), entry));
        files.push_back(NamedText{name, definition.Get("File", "Text")});
    }
    return files;
}

StoreResult As400Store::ReadFile(const std::string& library, const std::string& name, As400File& file) const
{
    std::string base = JoinPath(LibraryPath(library), name);
    if (!FileExists(base + ".INI"))
    {
        return StoreResult::NotFound;
    }
    IniFile definition;
    if (!definition.Load(base + ".INI"))
    {
        return StoreResult::Damaged;
    }
    std::string type = definition.Get("File", "Type", "DATA");
    file = As400File();
    file.text = definition.Get("File", "Text");
    if (EqualNoCase(type, "SOURCE"))
    {
        file.source = true;
        long length = definition.GetNumber("File", "RecordLength", 0);
        if (length < 13 || length > 32766)
        {
            return StoreResult::Damaged;
        }
        file.fields = SourceFields(static_cast<int>(length));
    }
    else
    {
        size_t badLine = 0;
        if (!EqualNoCase(type, "DATA") ||
            ReadDescriptionFile(base + ".FMT", file.fields, badLine) != DescriptionFileResult::Ok)
        {
            return StoreResult::Damaged;
        }
    }
    file.recordLength = InternalRecordLength(file.fields);
    if (const IniFile::Section* members = definition.FindSection("Members"))
    {
        for (const IniFile::Entry& entry : members->entries)
        {
            file.members.push_back(NamedText{ToUpper(entry.key), entry.value});
        }
    }
    return StoreResult::Ok;
}

std::string As400Store::MemberPath(const std::string& library, const std::string& file, const std::string& member) const
{
    return JoinPath(JoinPath(LibraryPath(library), file), member + ".MBR");
}

StoreResult As400Store::NewFile(const std::string& library, const std::string& name, const As400File& file,
                                const std::string& member)
{
    std::string base = JoinPath(LibraryPath(library), name);
    if (FileExists(base + ".INI"))
    {
        return StoreResult::Exists;
    }
    IniFile definition;
    definition.Set("File", "Type", file.source ? "SOURCE" : "DATA");
    definition.Set("File", "Text", file.text);
    if (file.source)
    {
        definition.Set("File", "RecordLength", std::to_string(file.recordLength));
    }
    else if (!WriteDescriptionFile(base + ".FMT", file.fields))
    {
        return StoreResult::WriteFailed;
    }
    definition.Set("Members", member, "");
    if (!MakeFolder(base) || !definition.Save(base + ".INI"))
    {
        return StoreResult::WriteFailed;
    }
    return StoreResult::Ok;
}

StoreResult As400Store::AddMember(const std::string& library, const std::string& file, const std::string& member)
{
    std::string base = JoinPath(LibraryPath(library), file);
    IniFile definition;
    if (!definition.Load(base + ".INI"))
    {
        return StoreResult::NotFound;
    }
    if (const IniFile::Section* members = definition.FindSection("Members"))
    {
        for (const IniFile::Entry& entry : members->entries)
        {
            if (EqualNoCase(entry.key, member))
            {
                return StoreResult::Exists;
            }
        }
    }
    definition.Set("Members", member, "");
    return MakeFolder(base) && definition.Save(base + ".INI") ? StoreResult::Ok : StoreResult::WriteFailed;
}

}  // namespace kvhll
