#include "BenchSupport.h"

#include <cstdio>
#include <vector>

void SetProfile(CFakeCallerTables& tables, int type, const std::string& file)
{
    tables.Set(ZRP_CHARACTER_SET, ZRCS_EBCDIC_TO_ASCII);
    tables.Set(ZRP_PC_FILE_TYPE, type);
    tables.Set(ZRP_PC_FILE_NAME, file.c_str());
    tables.Set(ZRP_PC_WRITE_MODE, ZRPCWM_REPLACE);
    tables.Set(ZRP_REMOVE_BLANKS, 0);
    tables.Set(ZRP_DECIMAL_CHAR_IS_DOT, 1);
    tables.SetOption(ZRO_CONFIRM_CREATING, 0);
    tables.SetOption(ZRO_CONFIRM_REPLACING, 0);
}

bool NoErrors(CFakeCallerTables& tables, const char* name)
{
    const std::vector<std::string> errors = tables.TakeErrors();
    for (const std::string& error : errors)
        std::printf("  %s: %s\n", name, error.c_str());
    return errors.empty();
}

CallerTables TablesOf(CFakeCallerTables& tables)
{
    return {tables.ProfileTable(), tables.ErrorTable(), tables.OptionTable(), tables.EnvironmentTable()};
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    const bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file)
        std::fclose(file);
    return written;
}

bool ReadBytes(const std::string& path, std::string& into)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    const bool read = file && std::fread(into.data(), 1, into.size(), file) == into.size();
    if (file)
        std::fclose(file);
    return read;
}
