#include "BrowseScript.h"

#include <windows.h>

#include <cstdio>

namespace
{
constexpr const char kScriptVariable[] = "ZRTHOSTVIEW_SCRIPT";
constexpr const char kSection[] = "Browse";

std::string ScriptText(const std::string& path, const char* key)
{
    char text[MAX_PATH] = {};
    GetPrivateProfileStringA(kSection, key, "", text, sizeof text, path.c_str());
    return text;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsRelative(const std::string& path)
{
    return !(path.size() > 1 && path[1] == ':') && !(!path.empty() && (path[0] == '\\' || path[0] == '/'));
}
}

int BrowseScript::ChosenRow(const CBrowseRows& rows) const
{
    if (!name.empty())
        return rows.FindRow(name);
    if (row >= 1 && static_cast<size_t>(row) <= rows.Rows().size())
        return row - 1;
    return -1;
}

BrowseScript ReadBrowseScript()
{
    BrowseScript script;
    char path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA(kScriptVariable, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return script;
    char fullPath[MAX_PATH] = {};
    if (!GetFullPathNameA(path, sizeof fullPath, fullPath, nullptr))
        return script;
    script.path = fullPath;
    const std::string action = ScriptText(script.path, "Action");
    if (lstrcmpiA(action.c_str(), "Choose") == 0)
        script.action = ScriptAction::Choose;
    else if (lstrcmpiA(action.c_str(), "Cancel") == 0)
        script.action = ScriptAction::Cancel;
    script.row = static_cast<int>(GetPrivateProfileIntA(kSection, "Row", 0, script.path.c_str()));
    script.name = ScriptText(script.path, "Name");
    script.tracePath = ScriptText(script.path, "Trace");
    if (!script.tracePath.empty() && IsRelative(script.tracePath))
        script.tracePath = FolderOf(script.path) + script.tracePath;
    return script;
}

void CBrowseTrace::SetPath(const std::string& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_path = path;
}

void CBrowseTrace::Line(char browser, const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_path.empty())
        return;
    FILE* file = std::fopen(m_path.c_str(), "ab");
    if (!file)
        return;
    std::fprintf(file, "%c %lu %s\r\n", browser, GetCurrentThreadId(), text.c_str());
    std::fclose(file);
}
