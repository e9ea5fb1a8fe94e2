#include "HostBrowser.h"

#include "HostViewStrings.h"

#include <ReportError.h>

#include <cstdio>
#include <vector>

namespace
{
constexpr size_t kNameChars = ZR_BROWSE_NAME_SIZE - 1;

std::string LoadText(HMODULE module, UINT id)
{
    char text[512] = {};
    LoadStringA(module, id, text, sizeof text);
    return text;
}

std::string FormatText(HMODULE module, UINT id, const char* first = "", const char* second = "", const char* third = "")
{
    std::vector<char> text(1024);
    std::snprintf(text.data(), text.size(), LoadText(module, id).c_str(), first, second, third);
    return text.data();
}

std::string Join(const BrowseRow& row)
{
    std::string line;
    for (const std::string& value : row)
        line += (line.empty() ? "" : "|") + value;
    return line;
}
}

CBrowseTrace& BrowserTrace()
{
    static CBrowseTrace trace;
    return trace;
}

CHostBrowser::CHostBrowser(char name, HMODULE module, const ProfileCallbacks* profile,
                           const ErrorSinkFunctions* errorSink, const EnvironmentCallbacks* environment)
    : m_name(name), m_module(module), m_profile(profile), m_errorSink(errorSink), m_environment(environment),
      m_script(ReadBrowseScript())
{
    BrowserTrace().SetPath(m_script.tracePath);
    Trace("Created");
}

BOOL CHostBrowser::Connect()
{
    Trace("Connect");
    return TRUE;
}

BOOL CHostBrowser::Disconnect()
{
    m_window.End();
    Trace("Disconnect");
    return TRUE;
}

BOOL CHostBrowser::Open(HANDLE argument)
{
    m_window.End();
    m_rows.Clear();
    m_complete = false;
    m_handedBack = false;
    m_scriptedRow = -1;
    m_script = ReadBrowseScript();
    BrowserTrace().SetPath(m_script.tracePath);
    m_request = ReadBrowseRequest(*m_profile);
    char argumentText[32];
    std::snprintf(argumentText, sizeof argumentText, "%llu",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(argument)));
    Trace("Open arg=" + std::string(argumentText) + " request=" + m_request.request + " library=" + m_request.library +
          " file=" + m_request.file + " member=" + m_request.member + " current=" + m_request.current);
    return TRUE;
}

BOOL CHostBrowser::SetRecordLayout(const DSRecordLayout* host)
{
    if (!m_rows.SetColumns(host))
    {
        Report(__LINE__, IDS_HV_NO_LAYOUT);
        return FALSE;
    }
    std::string columns;
    for (const BrowseColumn& column : m_rows.Columns())
        columns += (columns.empty() ? "" : ",") + column.name;
    Trace("SetRecordLayout " + columns);
    return TRUE;
}

BOOL CHostBrowser::Close()
{
    m_window.End();
    m_rows.Clear();
    Trace("Close");
    return TRUE;
}

BOOL CHostBrowser::PutField(const DSField* host)
{
    if (!host)
        return FALSE;
    if (host->type == 0)
        return EndOfList();
    m_rows.Put(*host, m_environment);
    return TRUE;
}

BOOL CHostBrowser::NextField()
{
    const size_t rows = m_rows.Rows().size();
    m_rows.Next();
    if (m_rows.Rows().size() > rows)
        Trace("Row " + Join(m_rows.Rows().back()));
    return TRUE;
}

BOOL CHostBrowser::EndOfData()
{
    if (!m_complete)
        return FALSE;
    if (!IsPickBrowser())
        return TRUE;
    if (m_window.IsStarted())
    {
        if (!m_window.IsFinished())
            return FALSE;
        HandBackChoice(m_window.Chosen());
    }
    else
        HandBackChoice(m_scriptedRow);
    return TRUE;
}

BOOL CHostBrowser::EndOfList()
{
    m_complete = true;
    Trace("End rows=" + std::to_string(m_rows.Rows().size()));
    if (!IsPickBrowser())
        return TRUE;
    switch (m_script.action)
    {
    case ScriptAction::Cancel:
        return TRUE;
    case ScriptAction::Choose:
        m_scriptedRow = m_script.ChosenRow(m_rows);
        if (m_scriptedRow < 0)
        {
            Report(__LINE__, IDS_HV_SCRIPT_NO_ROW, m_script.path.c_str());
            return FALSE;
        }
        return TRUE;
    default:
        return ShowPickWindow();
    }
}

BOOL CHostBrowser::ShowPickWindow()
{
    PickContent content;
    char shortName[MAX_PATH] = "ZRT";
    if (m_environment && m_environment->GetEnvString)
        m_environment->GetEnvString(ZRENV_PRODUCT_SHORT_NAME, shortName);
    content.caption = FormatText(m_module, IDS_HV_CAPTION, shortName);
    const BrowseRequest& r = m_request;
    switch (r.Kind())
    {
    case ListKind::Libraries:
        content.prompt = FormatText(m_module, IDS_HV_PROMPT_LIBRARIES);
        break;
    case ListKind::Files:
        content.prompt = FormatText(m_module, IDS_HV_PROMPT_FILES, r.library.c_str());
        break;
    case ListKind::Members:
        content.prompt = FormatText(m_module, IDS_HV_PROMPT_MEMBERS, r.library.c_str(), r.file.c_str());
        break;
    case ListKind::Fields:
        content.prompt = FormatText(m_module, IDS_HV_PROMPT_FIELDS, r.library.c_str(), r.file.c_str());
        break;
    case ListKind::Records:
        content.prompt = FormatText(m_module, IDS_HV_PROMPT_RECORDS, r.library.c_str(), r.file.c_str(),
                                    r.member.c_str());
        break;
    }
    content.choosable = r.ChoiceParameter() != 0;
    content.okText = LoadText(m_module, IDS_HV_OK);
    content.cancelText = LoadText(m_module, content.choosable ? IDS_HV_CANCEL : IDS_HV_CLOSE);
    content.columns = m_rows.Columns();
    content.rows = m_rows.Rows();
    content.selected = content.choosable ? m_rows.FindRow(r.current) : -1;
    if (!m_window.Start(std::move(content)))
    {
        Report(__LINE__, IDS_HV_NO_WINDOW);
        return FALSE;
    }
    Trace("Window");
    return TRUE;
}

void CHostBrowser::HandBackChoice(int row)
{
    if (m_handedBack)
        return;
    m_handedBack = true;
    const int parameter = m_request.ChoiceParameter();
    if (row < 0 || parameter == 0 || static_cast<size_t>(row) >= m_rows.Rows().size() || m_rows.Rows()[row].empty())
    {
        Trace("Chosen none");
        return;
    }
    const std::string name = TrimBlanks(m_rows.Rows()[row][0]).substr(0, kNameChars);
    m_profile->SetBrowse(parameter, name.c_str());
    Trace("Chosen " + std::to_string(parameter) + "=" + name);
}

void CHostBrowser::ReportOutOfMemory() const
{
    Report(__LINE__, IDS_HV_NO_MEMORY);
}

void CHostBrowser::Report(int line, UINT stringId, const char* argument) const
{
    ReportError("HostBrowser", line, m_errorSink, m_module, stringId, argument);
}

void CHostBrowser::Trace(const std::string& text)
{
    BrowserTrace().Line(m_name, text);
}
