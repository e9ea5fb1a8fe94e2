// The single-document flow: the document with its title, path and modified flag; the template that makes the one
// document, its frame and its view; the document manager that prompts for file names; the recent-file list.
//
// Opening a file always reads it again, also when it is the document's own file (after the save question).
#pragma once

#include "FwCmdTarget.h"

#include <functional>
#include <string>
#include <vector>

class CFwDocTemplate;
class CFwFrameWnd;
class CFwView;

class CFwDocument : public CFwCmdTarget
{
    FW_DECLARE_MESSAGE_MAP()

public:
    const std::string& GetTitle() const { return m_title; }
    // Sets the title and shows it in the frame's caption.
    virtual void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return m_pathName; }
    // The full path of `path` becomes the document's path, its file name (with extension) the title; the path
    // goes to the top of the recent-file list when `addToRecent` is set.
    virtual void SetPathName(const std::string& path, BOOL addToRecent = TRUE);
    BOOL IsModified() const { return m_modified; }
    void SetModifiedFlag(BOOL modified = TRUE) { m_modified = modified; }
    CFwDocTemplate* GetDocTemplate() const { return m_template; }
    CFwView* GetView() const { return m_view; }

    // "Untitled".
    virtual void SetDefaultTitle();
    // The new-document step: empties the document, no path, not modified.
    virtual BOOL OnNewDocument();
    // The open step: the file must open for reading (others may read it too); not modified afterwards.
    virtual BOOL OnOpenDocument(const char* path);
    // Writes the document into `path`; the base writes nothing and clears the modified flag.
    virtual BOOL OnSaveDocument(const char* path);
    // The save question when the document is modified: Yes saves, No goes on, Cancel stops (FALSE).
    virtual BOOL SaveModified();
    // Empties the document's contents.
    virtual void DeleteContents() {}

    // Saves into `path`, or asks for a name when `path` is null or empty; with `replace` the name becomes the
    // document's path.
    BOOL DoSave(const char* path, BOOL replace = TRUE);
    // Save: asks for a name when the document has no path or its file is read-only or missing.
    BOOL DoFileSave();

protected:
    LRESULT OnFileSave(WPARAM wParam, LPARAM lParam);
    LRESULT OnFileSaveAs(WPARAM wParam, LPARAM lParam);

private:
    friend class CFwDocTemplate;

    std::string m_title;
    std::string m_pathName;
    bool m_modified = false;
    CFwDocTemplate* m_template = nullptr;
    CFwView* m_view = nullptr;
};

// The one document type of a single-document program: its resource id (document string, menu, accelerators and
// icon share it) and how its document, frame and view are made.
class CFwDocTemplate
{
public:
    using DocumentFactory = std::function<CFwDocument*()>;
    using FrameFactory = std::function<CFwFrameWnd*()>;
    using ViewFactory = std::function<CFwView*()>;

    // Parts of the document string (resource `resourceId`, parts separated by "\n").
    enum DocStringIndex
    {
        windowTitle = 0,
        docName = 1,
        fileNewName = 2,
        filterName = 3,
        filterExt = 4,
        regFileTypeId = 5,
        regFileTypeName = 6,
    };

    CFwDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view);
    ~CFwDocTemplate();
    CFwDocTemplate(const CFwDocTemplate&) = delete;
    CFwDocTemplate& operator=(const CFwDocTemplate&) = delete;

    UINT GetResourceId() const { return m_resourceId; }
    std::string GetDocString(DocStringIndex index) const;
    CFwDocument* GetDocument() const { return m_document; }
    CFwFrameWnd* GetFrame() const { return m_frame; }

    // New (null path) or Open: the save question first, then the document's new or open step in the one document
    // (made with its frame and view the first time). A failure destroys a frame that this call made; a failed
    // Open leaves the document's modified flag as it was. Null on failure.
    CFwDocument* OpenDocumentFile(const char* path);
    // Closes the document: destroys its frame and deletes it.
    void CloseDocument();
    // The frame is gone: its document goes with it.
    void OnFrameDestroyed(CFwFrameWnd* frame);

private:
    BOOL CreateFrameAndView();
    void DestroyFrameAndDocument();

    UINT m_resourceId;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    ViewFactory m_makeView;
    CFwDocument* m_document = nullptr;
    CFwFrameWnd* m_frame = nullptr;
};

// Runs the file prompts of the document flow; a program overrides DoPromptFileName for its own dialogs.
class CFwDocManager
{
public:
    virtual ~CFwDocManager() = default;

    // Asks for a file name: Open (`open` set) or Save As; `fileName` holds the proposal and receives the choice.
    virtual BOOL DoPromptFileName(std::string& fileName, UINT titleId, DWORD flags, BOOL open,
                                  CFwDocTemplate* docTemplate);
};

// The most recently opened or saved files, newest first, kept in the registry under a key of the program's own.
class CFwRecentFileList
{
public:
    // At most four entries fit the File menu's recent-file commands.
    static constexpr size_t kMaxSize = 4;

    explicit CFwRecentFileList(size_t size);

    // Values "File1".."FileN" of `section` under `path` of `root`.
    void SetStorage(HKEY root, const std::string& path);
    void ReadList();
    void WriteList() const;

    // Puts `path` at the top; an equal entry (compared without regard to case) moves there.
    void Add(const std::string& path);
    void Remove(size_t index);
    size_t GetSize() const { return m_size; }
    // Entry `index`, or an empty text.
    std::string GetEntry(size_t index) const;
    // Replaces the recent-file items of a popup menu (from the one holding ID_FILE_MRU_FILE1 on) by the entries,
    // or by the disabled placeholder when the list is empty.
    void UpdateMenu(HMENU popup) const;

private:
    size_t m_size;
    std::vector<std::string> m_entries;
    HKEY m_root = nullptr;
    std::string m_path;
};
