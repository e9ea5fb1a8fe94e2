#include "ErrorRecordBlock.h"

#include <cstring>

std::string_view SourceBaseName(const char* sourcePath)
{
    const char* name = sourcePath;
    for (const char* c = sourcePath; *c != '\0'; ++c)
    {
        if (*c == '/' || *c == '\\')
            name = c + 1;
    }
    const char* extension = std::strrchr(name, '.');
    return extension != nullptr ? std::string_view(name, static_cast<size_t>(extension - name))
                                : std::string_view(name);
}

void BlankControlCharacters(char* text)
{
    for (unsigned char* c = reinterpret_cast<unsigned char*>(text); *c != '\0'; ++c)
    {
        if (*c < 0x20)
            *c = ' ';
    }
}

ErrorRecord* CreateErrorRecord(std::string_view source, int line, const char* text, const SYSTEMTIME& time)
{
    const size_t sourceSize = source.size() + 1;
    const size_t textSize = std::strlen(text) + 1;
    void* block = HeapAlloc(GetProcessHeap(), 0, sizeof(ErrorRecord) + sourceSize + textSize);
    if (block == nullptr)
        return nullptr;
    ErrorRecord* record = static_cast<ErrorRecord*>(block);
    char* strings = static_cast<char*>(block) + sizeof(ErrorRecord);
    record->source = strings;
    record->line = line;
    record->text = strings + sourceSize;
    record->time = time;
    std::memcpy(record->source, source.data(), source.size());
    record->source[source.size()] = '\0';
    std::memcpy(record->text, text, textSize);
    return record;
}

void FreeErrorRecord(ErrorRecord* record)
{
    if (record != nullptr)
        HeapFree(GetProcessHeap(), 0, record);
}
