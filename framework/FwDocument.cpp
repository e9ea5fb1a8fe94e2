#include "FwDocument.h"

#include "FwApp.h"
#include "FwFileDialog.h"
#include "FwFrameWnd.h"
#include "FwModule.h"
#include "FwResourceIds.h"
#include "FwText.h"
#include "FwView.h"
#include "OwnedHandles.h"

#include <commdlg.h>

namespace
{
const char kRecentSection[] = "Recent File List";

std::string FullPathOf(const std::string& path)
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), sizeof(full), full, nullptr);
    return length > 0 && length < sizeof(full) ? std::string(full, length) : path;
}
}

const FwMessageMap* CFwDocument::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(ID_FILE_SAVE, &CFwDocument::OnFileSave),
        FW_ON_COMMAND(ID_FILE_SAVE_AS, &CFwDocument::OnFileSaveAs),
    };
    static const FwMessageMap map{CFwCmdTarget::ClassMessageMap(), entries};
    return &map;
}

void CFwDocument::SetTitle(const std::string& title)
{
    m_title = title;
    if (m_template && m_template->GetFrame())
    {
        m_template->GetFrame()->OnUpdateFrameTitle();
    }
}

void CFwDocument::SetPathName(const std::string& path, BOOL addToRecent)
{
    m_pathName = FullPathOf(path);
    SetTitle(FwPathFileName(m_pathName));
    if (addToRecent && CFwApp::Current())
    {
        CFwApp::Current()->AddToRecentFileList(m_pathName);
    }
}

void CFwDocument::SetDefaultTitle()
{
    SetTitle(FwLoadString(IDS_FW_UNTITLED));
}

BOOL CFwDocument::OnNewDocument()
{
    DeleteContents();
    m_pathName.clear();
    m_modified = false;
    return TRUE;
}

BOOL CFwDocument::OnOpenDocument(const char* path)
{
    OwnedFile file(
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
    {
        return FALSE;
    }
    m_modified = false;
    return TRUE;
}

BOOL CFwDocument::OnSaveDocument(const char*)
{
    m_modified = false;
    return TRUE;
}

BOOL CFwDocument::SaveModified()
{
    if (!IsModified())
    {
        return TRUE;
    }
    std::string name = m_pathName.empty() ? m_title : m_pathName;
    std::string question = FwFormatArgs(FwLoadString(IDS_FW_ASK_TO_SAVE), {name});
    CFwApp* application = CFwApp::Current();
    int answer = application ? application->DoMessageBox(question, MB_YESNOCANCEL | MB_ICONEXCLAMATION) : IDNO;
    if (answer == IDCANCEL)
    {
        return FALSE;
    }
    return answer == IDYES ? DoFileSave() : TRUE;
}

BOOL CFwDocument::DoSave(const char* path, BOOL replace)
{
    std::string name = path ? path : "";
    if (name.empty())
    {
        CFwApp* application = CFwApp::Current();
        CFwDocManager* manager = application ? application->GetDocManager() : nullptr;
        name = m_pathName;
        if (!manager || !manager->DoPromptFileName(name, 0, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                                                   FALSE, m_template))
        {
            return FALSE;
        }
    }
    if (!OnSaveDocument(name.c_str()))
    {
        return FALSE;
    }
    if (replace)
    {
        SetPathName(name);
    }
    return TRUE;
}

BOOL CFwDocument::DoFileSave()
{
    DWORD attributes = m_pathName.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(m_pathName.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY))
    {
        return DoSave(nullptr);
    }
    return DoSave(m_pathName.c_str());
}

LRESULT CFwDocument::OnFileSave(WPARAM, LPARAM)
{
    DoFileSave();
    return 0;
}

LRESULT CFwDocument::OnFileSaveAs(WPARAM, LPARAM)
{
    DoSave(nullptr);
    return 0;
}

CFwDocTemplate::CFwDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view)
    : m_resourceId(resourceId), m_makeDocument(std::move(document)), m_makeFrame(std::move(frame)),
      m_makeView(std::move(view))
{
}

CFwDocTemplate::~CFwDocTemplate()
{
    DestroyFrameAndDocument();
}

std::string CFwDocTemplate::GetDocString(DocStringIndex index) const
{
    std::string text = FwLoadString(m_resourceId);
    size_t start = 0;
    for (int part = 0; part < index; ++part)
    {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
        {
            return std::string();
        }
        start = end + 1;
    }
    size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

BOOL CFwDocTemplate::CreateFrameAndView()
{
    m_document = m_makeDocument();
    if (!m_document)
    {
        return FALSE;
    }
    m_document->m_template = this;
    m_frame = m_makeFrame();
    CFwView* view = m_frame ? m_makeView() : nullptr;
    if (!m_frame || !view || !m_frame->LoadFrame(m_resourceId, this) || !m_frame->CreateView(view, m_document))
    {
        DestroyFrameAndDocument();
        return FALSE;
    }
    m_document->m_view = view;
    return TRUE;
}

void CFwDocTemplate::DestroyFrameAndDocument()
{
    CFwFrameWnd* frame = m_frame;
    m_frame = nullptr;
    if (frame)
    {
        if (frame->GetSafeHwnd())
        {
            DestroyWindow(frame->GetSafeHwnd());
        }
        else
        {
            delete frame;
        }
    }
    delete m_document;
    m_document = nullptr;
}

CFwDocument* CFwDocTemplate::OpenDocumentFile(const char* path)
{
    if (m_document && !m_document->SaveModified())
    {
        return nullptr;
    }
    bool created = false;
    if (!m_document)
    {
        if (!CreateFrameAndView())
        {
            return nullptr;
        }
        created = true;
    }
    if (!path)
    {
        m_document->SetDefaultTitle();
        if (!m_document->OnNewDocument())
        {
            if (created)
            {
                DestroyFrameAndDocument();
            }
            return nullptr;
        }
    }
    else
    {
        bool wasModified = m_document->IsModified();
        m_document->SetModifiedFlag(FALSE);
        if (!m_document->OnOpenDocument(path))
        {
            if (created)
            {
                DestroyFrameAndDocument();
            }
            else if (m_document)
            {
                m_document->SetModifiedFlag(wasModified);
            }
            return nullptr;
        }
        m_document->SetPathName(path);
    }
    if (!FwGetMainWindow())
    {
        FwSetMainWindow(m_frame->GetSafeHwnd());
    }
    m_frame->InitialUpdateFrame();
    return m_document;
}

void CFwDocTemplate::CloseDocument()
{
    DestroyFrameAndDocument();
}

void CFwDocTemplate::OnFrameDestroyed(CFwFrameWnd* frame)
{
    if (frame == m_frame)
    {
        m_frame = nullptr;
        delete m_document;
        m_document = nullptr;
    }
}

BOOL CFwDocManager::DoPromptFileName(std::string& fileName, UINT, DWORD flags, BOOL open, CFwDocTemplate* docTemplate)
{
    std::string filter;
    std::string extension;
    if (docTemplate)
    {
        extension = docTemplate->GetDocString(CFwDocTemplate::filterExt);
        filter = docTemplate->GetDocString(CFwDocTemplate::filterName) + "|*" + extension + "||";
    }
    if (!extension.empty() && extension[0] == '.')
    {
        extension.erase(0, 1);
    }
    CFwFileDialog dialog(open, extension, open ? std::string() : fileName, flags, filter, FwGetMainWindow());
    if (dialog.DoModal() != IDOK)
    {
        return FALSE;
    }
    fileName = dialog.GetPathName();
    return TRUE;
}

CFwRecentFileList::CFwRecentFileList(size_t size) : m_size(size < kMaxSize ? size : kMaxSize)
{
}

void CFwRecentFileList::SetStorage(HKEY root, const std::string& path)
{
    m_root = root;
    m_path = path.empty() ? std::string(kRecentSection) : path + "\\" + kRecentSection;
}

void CFwRecentFileList::ReadList()
{
    m_entries.clear();
    OwnedRegistryKey key;
    if (!m_root || RegOpenKeyExA(m_root, m_path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
    {
        return;
    }
    for (size_t i = 0; i < m_size; ++i)
    {
        char value[MAX_PATH] = "";
        DWORD size = sizeof(value) - 1;
        DWORD type = 0;
        std::string name = FwFormat("File%u", static_cast<unsigned>(i + 1));
        if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                ERROR_SUCCESS &&
            type == REG_SZ && value[0])
        {
            m_entries.push_back(value);
        }
    }
}

void CFwRecentFileList::WriteList() const
{
    OwnedRegistryKey key;
    if (!m_root || RegCreateKeyExA(m_root, m_path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Receive(), nullptr) !=
                       ERROR_SUCCESS)
    {
        return;
    }
    for (size_t i = 0; i < m_size; ++i)
    {
        std::string name = FwFormat("File%u", static_cast<unsigned>(i + 1));
        if (i < m_entries.size())
        {
            RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(m_entries[i].c_str()),
                           static_cast<DWORD>(m_entries[i].size() + 1));
        }
        else
        {
            RegDeleteValueA(key.Get(), name.c_str());
        }
    }
}

void CFwRecentFileList::Add(const std::string& path)
{
    for (size_t i = 0; i < m_entries.size(); ++i)
    {
        if (FwEqualsNoCase(m_entries[i], path))
        {
            m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > m_size)
    {
        m_entries.resize(m_size);
    }
}

void CFwRecentFileList::Remove(size_t index)
{
    if (index < m_entries.size())
    {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

std::string CFwRecentFileList::GetEntry(size_t index) const
{
    return index < m_entries.size() ? m_entries[index] : std::string();
}

void CFwRecentFileList::UpdateMenu(HMENU popup) const
{
    int count = GetMenuItemCount(popup);
    int position = -1;
    for (int i = count - 1; i >= 0; --i)
    {
        UINT id = GetMenuItemID(popup, i);
        if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST)
        {
            DeleteMenu(popup, static_cast<UINT>(i), MF_BYPOSITION);
            position = i;
        }
    }
    if (position < 0)
    {
        return;
    }
    if (m_entries.empty())
    {
        InsertMenuA(popup, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1,
                    FwLoadString(IDS_FW_RECENT_FILE).c_str());
        return;
    }
    std::string format = FwLoadString(IDS_FW_RECENT_ENTRY);
    for (size_t i = 0; i < m_entries.size(); ++i)
    {
        std::string text = FwFormatArgs(format, {static_cast<int>(i + 1), m_entries[i]});
        InsertMenuA(popup, static_cast<UINT>(position + static_cast<int>(i)), MF_BYPOSITION | MF_STRING,
                    ID_FILE_MRU_FILE1 + i, text.c_str());
    }
}
