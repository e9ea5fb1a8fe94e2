// The host's list as the browser keeps it: the columns of the host's record layout and the rows, each value
// translated for display.
#pragma once

#include "ZRContracts.h"

#include <string>
#include <vector>

struct BrowseColumn
{
    std::string name;
    int type = 0;
    int length = 0;
};

using BrowseRow = std::vector<std::string>;

class CBrowseRows
{
public:
    // Takes the columns of the host's layout (the layout itself may go away afterwards) and forgets every row.
    // FALSE for a missing layout or one without fields.
    bool SetColumns(const DSRecordLayout* layout);
    // The value of the current column of the row being filled: host characters are translated from EBCDIC to
    // ANSI through the environment and their blanks trimmed; bytes of other types are shown in hexadecimal.
    void Put(const DSField& field, const EnvironmentCallbacks* environment);
    // Goes on to the next column; after the last column the row is complete.
    void Next();

    const std::vector<BrowseColumn>& Columns() const { return m_columns; }
    const std::vector<BrowseRow>& Rows() const { return m_rows; }
    // The row whose first column equals `name` without regard to case, or -1.
    int FindRow(const std::string& name) const;
    void Clear();

private:
    std::vector<BrowseColumn> m_columns;
    std::vector<BrowseRow> m_rows;
    BrowseRow m_filling;
    size_t m_column = 0;
};

// Blanks and zero bytes at both ends removed.
std::string TrimBlanks(const std::string& text);
