// Windows of a program as a user sees them, read and driven from another process (or from another thread of the
// same one): top-level windows and dialogs found by owning process, class and caption; control texts; list box,
// list view and tree view items; commands posted. Nothing here depends on focus or on the window in front.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Polls `done` every 50 ms; false when it did not hold within the time-out.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 15000);
// Whether the window still answers once its thread has finished the message it was handling: a dialog that ends
// itself in that message is gone by then.
bool AnswersAfterCurrentMessage(HWND window);

// Which top-level windows a search takes: visible ones of the process, of the class when one is given, whose
// caption passes the test when one is given.
struct WindowQuery
{
    DWORD processId = 0;
    std::string className;  // empty: any; "#32770" for dialogs and message boxes
    std::function<bool(const std::string&)> caption;
};

// The visible top-level windows that match, in z-order.
std::vector<HWND> TopLevelWindows(const WindowQuery& query);
HWND FindTopLevelWindow(const WindowQuery& query);
// Waits for a matching window; null after the time-out.
HWND WaitTopLevelWindow(const WindowQuery& query, DWORD timeoutMs = 15000);
// Caption tests.
std::function<bool(const std::string&)> CaptionIs(const std::string& caption);
std::function<bool(const std::string&)> CaptionEndsWith(const std::string& tail);

std::string ClassOf(HWND window);
// A window's text through WM_GETTEXT (answered by the window's own thread, so edit controls of another process
// are read too); empty when the window does not answer within 5 seconds.
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
// The texts of the direct children of a window of one class (for example "Button"), in child order.
std::vector<std::string> ChildTexts(HWND window, const std::string& className);

// The lines of a list box. Across processes Wine answers only the wide LB_GETTEXT correctly, so it is used here.
std::vector<std::string> ListBoxLines(HWND listBox);
// The texts of one column of a list view, read through a buffer in the list view's process.
std::vector<std::string> ListViewColumn(HWND list, int column);
// The first selected row of a list view, or -1.
int ListViewSelection(HWND list);
// Selects and focuses one row of a list view (the others are deselected).
bool SelectListViewRow(HWND list, int row);

// One item of a tree view: its depth (0 for a root) and its text.
struct TreeLine
{
    int depth = 0;
    std::string text;
    bool operator==(const TreeLine& other) const { return depth == other.depth && text == other.text; }
};
// Every item of a tree view, depth first in display order, collapsed branches included.
std::vector<TreeLine> TreeViewItems(HWND tree);
// The text of the selected item of a tree view, or empty.
std::string TreeViewSelection(HWND tree);
// Selects the first item, depth first, whose text is `text`, as a click on it does; false when there is none.
bool SelectTreeViewItem(HWND tree, const std::string& text);

// Posts WM_COMMAND for the command `id`, as a click on the control of that id when the window has one, else as a
// menu command.
void PostCommand(HWND window, int id);
// Clicks a dialog's button by posting its command.
void Click(HWND dialog, int id);
