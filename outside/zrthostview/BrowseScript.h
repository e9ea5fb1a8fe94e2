// The scripted pick mode for tests: the environment variable ZRTHOSTVIEW_SCRIPT names an INI file whose section
// [Browse] says how each browse ends and where the calls are traced (see README.md). Read anew at every Open.
#pragma once

#include "BrowseRows.h"

#include <mutex>
#include <string>

enum class ScriptAction
{
    Window,  // the pick window is shown as without a script
    Choose,  // the row of Row= or Name= is chosen at the end of the list, without a window
    Cancel,  // the browse ends at the end of the list without a choice and without a window
};

struct BrowseScript
{
    std::string path;  // empty: no script
    ScriptAction action = ScriptAction::Window;
    int row = 0;  // 1 = the first row
    std::string name;
    std::string tracePath;  // empty: no trace

    // The row that a Choose script picks from the list, or -1 when it names none.
    int ChosenRow(const CBrowseRows& rows) const;
};

BrowseScript ReadBrowseScript();

// Appends one line per call to the script's trace file, from whichever thread makes the call.
class CBrowseTrace
{
public:
    void SetPath(const std::string& path);
    void Line(char browser, const std::string& text);

private:
    std::mutex m_mutex;
    std::string m_path;
};
