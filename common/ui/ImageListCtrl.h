// CImageListCtrl: the owner-drawn report list of both programs: single selection, column headers, an image per
// cell, texts clipped with "..." and optional grid lines. The rows carry records that the subclass makes; the
// control owns them and deletes them when their rows go away.
#pragma once

#include "FwListCtrl.h"

#include <memory>
#include <string>
#include <vector>

// Image of one cell: whether it has one, and its index in the small image list.
struct CellImage
{
    int hasImage;
    int index;
};

// Every record that a subclass attaches to a row carries its cell images, one per column.
struct ImageListRecord
{
    virtual ~ImageListRecord() = default;
    std::vector<CellImage> cellImages;
};

class CImageListCtrl : public CFwListCtrl
{
    FW_DECLARE_MESSAGE_MAP()

public:
    explicit CImageListCtrl(BOOL grid = FALSE);

    // Appends (index -1) or inserts a row whose text and image are asked for on display; the row index or -1.
    // The control owns the record from then on; a record that cannot be shown is deleted at once.
    int InsertItem(std::unique_ptr<ImageListRecord> record, int index);
    // The first row that is both selected and focused, or -1.
    int GetSelectedItem() const;
    // The first selected row, or -1.
    int GetFirstSelectedItem() const;
    // Whether the point lies in the 19-pixel-wide strip at the left edge of that cell.
    BOOL HitCellImage(int x, int y, int row, int column) const;
    // The small image list the cells draw their images from.
    void SetCellImageList(HIMAGELIST list);

    // Cell images for `columns` columns, none with an image.
    static std::vector<CellImage> BlankCellImages(int columns);
    // `text` as drawn in a cell `available` pixels wide: whole when it fits, else cut from its end until the rest
    // followed by "..." fits. `cut` tells which.
    static std::string FitCellText(HDC dc, const std::string& text, int available, bool* cut);

    // Longest text a cell shows.
    static const size_t kMaxCellText = 259;

protected:
    virtual void DrawItem(const DRAWITEMSTRUCT& draw);
    virtual int CompareItems(ImageListRecord* item1, ImageListRecord* item2, int column);
    virtual void GetItemText(std::string& text, ImageListRecord* item, int column);
    virtual int GetItemImage(ImageListRecord* item);

    void PreSubclassWindow() override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    LRESULT OnDeleteItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteAllItems(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTextColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTextBkColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetBkColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnHScroll(WPARAM wParam, LPARAM lParam);
    LRESULT OnFocusChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);

    void FillDisplayInfo(NMLVDISPINFOA& info);
    void SortByColumn(int column);
    std::string CellText(ImageListRecord* record, int column);
    void RedrawSelectedRows() const;
    ImageListRecord* RecordOf(int row) const { return reinterpret_cast<ImageListRecord*>(GetItemData(row)); }

    HIMAGELIST m_imageList = nullptr;
    bool m_grid;
    int m_width = 0;
    COLORREF m_textColor;
    COLORREF m_textBkColor;
    COLORREF m_bkColor;
};
