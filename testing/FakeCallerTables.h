// The four caller tables of a program, over a profile held in memory only: the tables that the manager and every
// data source receive, for tests that drive them without a profile file, a registry or a program.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ZRCallerTables.h"
#include "ZRProfileParams.h"

class CZRProfile;
class CZROptions;
class CVersionLibrary;

// The tables are process-wide: keep one CFakeCallerTables at a time.
class CFakeCallerTables
{
public:
    // A new HLLAPI profile with both request parts, made current; the options hold their construction values; the
    // environment is the version library of the program folder (Zrtver.dll and its code-table file beside the test).
    CFakeCallerTables(int hostType, int direction, int transferType = ZRTT_CONVERSION);
    ~CFakeCallerTables();
    CFakeCallerTables(const CFakeCallerTables&) = delete;
    CFakeCallerTables& operator=(const CFakeCallerTables&) = delete;

    const ProfileCallbacks* ProfileTable() const;
    const ErrorSinkFunctions* ErrorTable() const;
    const OptionCallbacks* OptionTable() const;
    EnvironmentCallbacks* EnvironmentTable() const;

    CZRProfile& Profile() { return *m_profile; }
    CZROptions& Options() { return *m_options; }
    // FALSE when the version library of the program folder could not be loaded (no code tables then).
    bool HasVersionLibrary() const;

    // Sets a profile or option value through the tables, trying each group in turn; false when none takes the id.
    bool Set(int id, int value);
    bool Set(int id, const char* text);
    bool SetOption(int id, int value);
    // A number or text value of the profile, read through the tables (0 or empty when no group takes the id).
    int GetInt(int id) const;
    std::string GetText(int id) const;

    // The texts of the records reported so far, in arrival order; the error list is emptied.
    std::vector<std::string> TakeErrors();

private:
    std::unique_ptr<CZROptions> m_options;
    std::unique_ptr<CVersionLibrary> m_versionLibrary;
    std::unique_ptr<CZRProfile> m_profile;
};

// Empties the program's error list and gives the texts it held, oldest first.
std::vector<std::string> TakeErrorListTexts();
