// The property tree of one profile in the test's own process: a window that holds the tree control and the panel
// placeholder as the main view does, a profile made for the test, and a manager table whose host answers as the
// test says. Everything is driven by messages on the test's thread; boxes are answered by a watcher thread.
#pragma once

#include "ListItem.h"
#include "ParamTreeCtrl.h"
#include "ZRManagerTable.h"
#include "ZRProfile.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// What the test's manager was asked and what its host answers.
struct FakeHost
{
    std::string sessions = std::string("\1A\0\0B\0", 6);  // A available, B in use
    bool connects = true;
    bool opensBrowse = true;
    bool postsOpen = true;  // whether the open request can be posted
    bool notifies = true;   // whether the opened request sends its end notification
    std::string choice;     // the name the browser puts into the browse parameter of the list
    std::vector<std::string> calls;
    std::vector<std::string> browseRequests;  // 501 to 505 joined by "|" at each open
};
FakeHost& TestHost();

class TreeHarness
{
public:
    TreeHarness(int hostType, int direction, int transferType);
    ~TreeHarness();

    CZRProfile& Profile() { return *m_profile; }
    // Builds the tree for the profile as it is now.
    void Build();
    HWND Tree() const { return m_tree.GetSafeHwnd(); }
    HWND Host() const { return m_host; }
    // Selects the node "<group>/<name>" (the name is the label before " <"); false when it is not in the tree.
    bool Select(const std::string& path);
    // The label of a node, or empty.
    std::string Label(const std::string& path) const;
    // The children labels of a group, in order.
    std::vector<std::string> Children(const std::string& group) const;
    std::string SelectedName() const;
    HWND Panel() const;

    // Puts the text into an edit as a paste does (the edit's limit does not apply).
    void Type(int id, const std::string& text) const;
    // Types characters at the end of an edit one key at a time.
    void Keys(int id, const std::string& keys) const;
    void Click(int id) const;
    // Selects the entry of a list or combo box with item data `data` as the user does.
    void Choose(int id, int data) const;
    void ChooseIndex(int id, int index) const;
    // Paints the window and saves its picture under the build folder's screenshots.
    void SavePicture(const std::string& name) const;
    // Validates and writes the profile as the document's Save does; false when validation refused.
    bool Save(const std::string& path);

private:
    static LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HTREEITEM Find(const std::string& path) const;

    std::unique_ptr<CZRProfile> m_profile;
    std::unique_ptr<CListItem> m_root;
    CParamTreeCtrl m_tree;
    HWND m_host = nullptr;
    ZRMFunctions m_manager{};
};

// Reads a key of a saved profile.
std::string ProfileKey(const std::string& path, const char* section, const char* key);
// Answers every browse confirmation of this process with `button` until it is destroyed, ticking "Don't show this
// dialog box again" first when `tick` is set; counts the confirmations it saw.
class ConfirmationAnswerer
{
public:
    ConfirmationAnswerer(int button, bool tick);
    ~ConfirmationAnswerer();
    size_t Seen() const { return m_seen; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<size_t> m_seen{0};
    std::thread m_thread;
};
// The wait dialog of host browsing, once it is shown.
HWND WaitForHostWaitDialog();

// Answers the next Open dialog of this process with `name` (from another thread).
void AnswerOpenDialogLater(const std::string& name);
