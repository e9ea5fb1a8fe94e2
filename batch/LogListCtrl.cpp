#include "LogListCtrl.h"

#include "FwModule.h"
#include "FwText.h"
#include "ZRMessages.h"
#include "ZrtbatchMessages.h"
#include "resource.h"

namespace
{
const int kColumns = 3;
// Longest message shown whole in the list.
const size_t kWholeTextLength = 260;
}

std::string LogDateText(time_t time)
{
    return FwFormatTime(time, "%m/%d/%Y");
}

std::string LogTimeText(time_t time)
{
    return FwFormatTime(time, "%H:%M:%S");
}

std::string SavedLogLine(const LogRecord& record)
{
    return FwFormatTime(record.time, "Date: %m/%d/%Y  Time: %H:%M:%S  Message:") + record.text + "\r\n";
}

const FwMessageMap* CLogListCtrl::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(WM_LBUTTONDBLCLK, &CLogListCtrl::OnDoubleClick),
    };
    static const FwMessageMap map{CImageListCtrl::ClassMessageMap(), entries};
    return &map;
}

BOOL CLogListCtrl::AddEntry(std::unique_ptr<LogRecord> record)
{
    if (GetItemCount() > kCapacity - 1)
    {
        DeleteItem(0);
    }
    record->cellImages = BlankCellImages(kColumns);
    int row = InsertItem(std::move(record), -1);
    if (row < 0)
    {
        return FALSE;
    }
    EnsureVisible(row, FALSE);
    return TRUE;
}

const LogRecord* CLogListCtrl::GetEntry(int row) const
{
    return static_cast<const LogRecord*>(reinterpret_cast<ImageListRecord*>(GetItemData(row)));
}

std::string CLogListCtrl::GetColumnText(const LogRecord& record, int column) const
{
    switch (column)
    {
    case 0:
        return LogDateText(record.time);
    case 1:
        return LogTimeText(record.time);
    case 2:
        if (record.text.size() <= kWholeTextLength)
        {
            return record.text;
        }
        else
        {
            std::string marker;
            LoadResourceText(IDS_CLICK_DETAILS, marker);
            size_t kept = kMaxCellText > marker.size() ? kMaxCellText - marker.size() : 0;
            return record.text.substr(0, kept) + marker;
        }
    default:
        return std::string();
    }
}

int CLogListCtrl::CompareItems(ImageListRecord*, ImageListRecord*, int)
{
    return 0;
}

void CLogListCtrl::GetItemText(std::string& text, ImageListRecord* item, int column)
{
    text = GetColumnText(*static_cast<LogRecord*>(item), column);
}

int CLogListCtrl::GetItemImage(ImageListRecord*)
{
    return 0;
}

LRESULT CLogListCtrl::OnDoubleClick(WPARAM, LPARAM)
{
    if (GetFirstSelectedItem() >= 0)
    {
        PostMessageA(FwGetMainWindow(), WM_ZRTBATCH_SHOW_DETAILS, 0, 0);
    }
    return Default();
}
