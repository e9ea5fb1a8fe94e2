#include "FakeScenario.h"

#include <windows.h>

#include <sstream>

namespace
{
std::string ReadText(const std::string& file, const std::string& section, const char* key, const char* fallback)
{
    char value[1024] = {};
    GetPrivateProfileStringA(section.c_str(), key, fallback, value, sizeof value, file.c_str());
    return value;
}

int ReadNumber(const std::string& file, const std::string& section, const char* key)
{
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key, 0, file.c_str()));
}

std::vector<FakeFieldDefinition> ParseFields(const std::string& text)
{
    std::vector<FakeFieldDefinition> fields;
    std::stringstream list(text);
    std::string item;
    while (std::getline(list, item, ','))
    {
        std::stringstream parts(item);
        FakeFieldDefinition field;
        std::string kind;
        std::string length;
        std::getline(parts, field.name, ':');
        std::getline(parts, kind, ':');
        std::getline(parts, length, ':');
        field.kind = kind.empty() ? 'A' : kind[0];
        field.length = atoi(length.c_str());
        if (!field.name.empty() && field.length > 0)
            fields.push_back(field);
    }
    return fields;
}
}

FakeScenario ReadFakeScenario(const std::string& folder, const std::string& library)
{
    const std::string file = folder + "\\fakesource.ini";
    FakeScenario scenario;
    scenario.side = ReadText(file, library, "Side", "host");
    scenario.fields = ParseFields(ReadText(file, library, "Fields", "NAME:A:10"));
    scenario.records = ReadNumber(file, library, "Records");
    const std::string fail = ReadText(file, library, "Fail", "");
    const size_t at = fail.find('@');
    scenario.failOperation = fail.substr(0, at);
    scenario.failAt = at == std::string::npos ? 0 : atoi(fail.c_str() + at + 1);
    scenario.cancelAt = ReadNumber(file, library, "CancelAt");
    scenario.recordDelayMs = ReadNumber(file, library, "RecordDelayMs");
    scenario.logFields = ReadNumber(file, library, "LogFields") != 0;
    scenario.pickAfterMs = ReadNumber(file, library, "PickAfterMs");
    scenario.pickAtRecord = ReadNumber(file, library, "PickAtRecord");
    return scenario;
}
