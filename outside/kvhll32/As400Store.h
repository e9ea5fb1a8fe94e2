// The AS/400 part of the host store (folder AS400 of the store):
//   LIBRARIES.INI            [Libraries] <library>=<text>   (optional texts)
//   <LIB>\                   one folder per library
//   <LIB>\<FILE>.INI         [File] Type=DATA|SOURCE, Text=, RecordLength= (source files)
//                            [Members] <member>=<text>, in the order the members were created
//   <LIB>\<FILE>.FMT         field descriptions of a data file
//   <LIB>\<FILE>\<MBR>.MBR   the member's records (see RecordFile.h); missing: no records
// A source file has the fields SRCSEQ S(6,2), SRCDAT S(6,0) and SRCDTA A(record length - 12).
#pragma once

#include <string>
#include <vector>

#include "HostField.h"

namespace kvhll
{

struct NamedText
{
    std::string name;
    std::string text;
};

enum class StoreResult
{
    Ok,
    NotFound,
    Exists,
    Damaged,
    WriteFailed
};

struct As400File
{
    bool source = false;
    std::string text;
    int recordLength = 0;  // bytes of a record (internal form)
    std::vector<HostField> fields;
    std::vector<NamedText> members;  // in creation order
};

class As400Store
{
public:
    explicit As400Store(std::string folder) : folder_(std::move(folder)) {}

    std::vector<NamedText> Libraries() const;
    bool HasLibrary(const std::string& library) const;
    std::vector<NamedText> Files(const std::string& library) const;
    // NotFound: no such file; Damaged: its definition or field descriptions cannot be read.
    StoreResult ReadFile(const std::string& library, const std::string& name, As400File& file) const;
    // Exists: the file exists already. The new file holds the one member given.
    StoreResult NewFile(const std::string& library, const std::string& name, const As400File& file,
                        const std::string& member);
    // Exists: the member exists already.
    StoreResult AddMember(const std::string& library, const std::string& file, const std::string& member);
    std::string MemberPath(const std::string& library, const std::string& file, const std::string& member) const;

    static std::vector<HostField> SourceFields(int recordLength);

private:
    std::string LibraryPath(const std::string& library) const;
    std::string folder_;
};

bool HasMember(const As400File& file, const std::string& member);

}  // namespace kvhll
