// CLogListCtrl: the log list of Zrtbatch's main dialog: one row per message, with its date and time.
#pragma once

#include "ImageListCtrl.h"

#include <ctime>
#include <memory>
#include <string>

// One log entry, the record of one row.
struct LogRecord : ImageListRecord
{
    std::string text;
    time_t time = 0;
    int kind = 0;
};

class CLogListCtrl : public CImageListCtrl
{
    FW_DECLARE_MESSAGE_MAP()

public:
    // Most entries the log keeps; the oldest is dropped to make room.
    static const int kCapacity = 999;

    // Appends the entry, which the list owns from then on (it is freed when it cannot be shown).
    BOOL AddEntry(std::unique_ptr<LogRecord> record);
    // The entry of a row, or null.
    const LogRecord* GetEntry(int row) const;
    // Date (column 0), time (1) or message (2) as the list shows them; a long message is cut and points to Details.
    std::string GetColumnText(const LogRecord& record, int column) const;

protected:
    int CompareItems(ImageListRecord* item1, ImageListRecord* item2, int column) override;
    void GetItemText(std::string& text, ImageListRecord* item, int column) override;
    int GetItemImage(ImageListRecord* item) override;

private:
    LRESULT OnDoubleClick(WPARAM wParam, LPARAM lParam);
};

// Date and time texts of an entry.
std::string LogDateText(time_t time);
std::string LogTimeText(time_t time);
// One line of the saved log: "Date: %m/%d/%Y  Time: %H:%M:%S  Message:", the whole text, CR LF.
std::string SavedLogLine(const LogRecord& record);
