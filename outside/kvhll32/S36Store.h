// The System/36 part of the host store (folder S36 of the store):
//   FILES\<FILE>.INI               [File] RecordLength=, Records= (allocation), Text=
//   FILES\<FILE>.DAT               the file's records (see RecordFile.h); missing: no records
//   LIBRARIES\<LIB>\               one folder per library
//   LIBRARIES\<LIB>\LIBRARY.INI    [Source] <member>=<record length>, [Procedure] <member>=<record length>
//   LIBRARIES\<LIB>\<MBR>.SRC      records of a source member; <MBR>.PRC of a procedure member
#pragma once

#include <string>

#include "As400Store.h"

namespace kvhll
{

// What a read or write names: a file, or a member ('S' source, 'P' procedure) of a library.
struct S36Object
{
    std::string file;
    std::string library;
    std::string member;
    char memberType = ' ';  // ' ' for a file
};

class S36Store
{
public:
    explicit S36Store(std::string folder) : folder_(std::move(folder)) {}

    // NotFound when the file, library or member does not exist.
    StoreResult RecordLength(const S36Object& object, int& recordLength) const;
    bool HasLibrary(const std::string& library) const;
    // Creates the file or member, or gives an existing member the new record length.
    StoreResult Define(const S36Object& object, int recordLength, long allocation);
    std::string DataPath(const S36Object& object) const;

private:
    std::string FilePath(const std::string& file) const;
    std::string LibraryPath(const std::string& library) const;
    std::string folder_;
};

}  // namespace kvhll
