#include "DescrEditorIds.h"
#include "DescrFile.h"
#include "DescrFileEditorDlg.h"
#include "FwModule.h"
#include "MessageBoxWatcher.h"
#include "ProgramWindows.h"
#include "TempProgramFolder.h"
#include "WindowPicture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>

namespace
{
const char kEditorCaption[] = "ZRT Description File Editor";

std::string Record(const std::string& line)
{
    return line + std::string(66 - line.size(), ' ') + "\r\n";
}

const std::string kThreeFields = Record("CUSTNO    S00700Customer number") + Record("NAME      A03000") +
                                 Record("AMOUNT    P00902Amount");

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Saves a picture of a dialog once it has drawn itself whole.
void SavePicture(HWND dialog, const char* name)
{
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageA(dialog, WM_NULL, 0, 0);
    TakeWindowPicture(dialog).Save(name);
}

HWND WaitDialog(const std::string& caption)
{
    WindowQuery query;
    query.processId = GetCurrentProcessId();
    query.className = "#32770";
    query.caption = CaptionIs(caption);
    return WaitTopLevelWindow(query, 10000);
}

int Rows(HWND editor)
{
    return static_cast<int>(SendDlgItemMessageA(editor, IDC_DESCR_FIELDS, LVM_GETITEMCOUNT, 0, 0));
}

int Selected(HWND editor)
{
    return static_cast<int>(
        SendDlgItemMessageA(editor, IDC_DESCR_FIELDS, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Select(HWND editor, int row)
{
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = item.stateMask;
    SendDlgItemMessageA(editor, IDC_DESCR_FIELDS, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
}

std::string Cell(HWND editor, int row, int column)
{
    char text[128] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendDlgItemMessageA(editor, IDC_DESCR_FIELDS, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
    return text;
}

bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// Fills the field dialog; the type by its list index.
void FillField(HWND field, const char* name, int type, const char* length, const char* decimals)
{
    SetDlgItemTextA(field, IDC_FIELD_NAME, name);
    SendDlgItemMessageA(field, IDC_FIELD_TYPE, CB_SETCURSEL, static_cast<WPARAM>(type), 0);
    SendMessageA(field, WM_COMMAND, MAKEWPARAM(IDC_FIELD_TYPE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(field, IDC_FIELD_TYPE)));
    SetDlgItemTextA(field, IDC_FIELD_LENGTH, length);
    SetDlgItemTextA(field, IDC_FIELD_DECIMALS, decimals);
}

class DescrEditorTest : public ::testing::Test
{
protected:
    std::string PathOf(const char* name) const { return m_folder.Path() + "\\" + name; }

    // Runs the editor on `path` while `script` drives it from another thread; the editor's result.
    INT_PTR RunEditor(const std::string& path, const std::function<void(HWND)>& script)
    {
        std::thread driver([&] {
            HWND editor = WaitDialog(kEditorCaption);
            if (!editor)
            {
                return;
            }
            script(editor);
            if (!WaitUntil([&] { return !IsWindow(editor); }, 5000))
            {
                PostMessageA(editor, WM_CLOSE, 0, 0);
            }
        });
        CDescrFileEditorDlg dialog(path);
        INT_PTR result = dialog.DoModal();
        driver.join();
        return result;
    }

    TempProgramFolder m_folder;
    // Message boxes of this process; the editor and field dialogs are driven by the tests.
    MessageBoxWatcher m_boxes{GetCurrentProcessId(), CaptionIs("ZRT (Zerathon)")};
};
}

TEST_F(DescrEditorTest, ShowsTheFieldsReordersThemAndWritesWhatTheHostReaderReads)
{
    const std::string path = PathOf("customer.fmt");
    WriteBytes(path, kThreeFields);
    bool checked = false;
    INT_PTR result = RunEditor(path, [&](HWND editor) {
        EXPECT_EQ(Rows(editor), 3);
        EXPECT_EQ(Selected(editor), 0);
        EXPECT_EQ(Cell(editor, 0, 0), "CUSTNO");
        EXPECT_EQ(Cell(editor, 0, 1), "Zoned");
        EXPECT_EQ(Cell(editor, 2, 2), "9");
        EXPECT_EQ(Cell(editor, 2, 3), "2");
        EXPECT_EQ(Cell(editor, 0, 4), "Customer number");
        EXPECT_TRUE(Enabled(editor, IDC_DESCR_DOWN));
        EXPECT_FALSE(Enabled(editor, IDC_DESCR_UP));
        SavePicture(editor, "descr-editor");
        Select(editor, 2);
        EXPECT_TRUE(Enabled(editor, IDC_DESCR_UP));
        EXPECT_FALSE(Enabled(editor, IDC_DESCR_DOWN));
        Select(editor, 1);
        Click(editor, IDC_DESCR_UP);
        EXPECT_TRUE(WaitUntil([&] { return Cell(editor, 0, 0) == "NAME" && Selected(editor) == 0; }));
        checked = true;
        Click(editor, IDOK);
    });
    EXPECT_TRUE(checked);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadBytes(path), Record("NAME      A03000") + Record("CUSTNO    S00700Customer number") +
                                   Record("AMOUNT    P00902Amount"));
    std::vector<DescrField> fields;
    ASSERT_EQ(DescrFileStatus::Ok, ReadDescrRecords(path.c_str(), fields, 10));
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_STREQ(fields[1].name, "CUSTNO");
    EXPECT_EQ(fields[2].decimals, 2);
}

TEST_F(DescrEditorTest, FilesItCannotReadAreReportedAndLeftAlone)
{
    const std::string corrupt[] = {
        Record("A         A00500") + "NAME      A0300\r\n",
        Record("A         A00500") + Record("NAME      X03000"),
        Record("NAME      A03001"),
        Record("AMOUNT    P00304"),
        Record("AMOUNT    S0 700"),
        Record("A         A00500") + "\r\n" + Record("B         A00500"),
        Record("A         A00500").substr(0, 40),
    };
    for (const std::string& bytes : corrupt)
    {
        const std::string path = PathOf("bad.fmt");
        WriteBytes(path, bytes);
        size_t before = m_boxes.Seen().size();
        CDescrFileEditorDlg editor(path);
        EXPECT_EQ(editor.DoModal(), IDCANCEL);
        ASSERT_TRUE(m_boxes.WaitForDialogs(before + 1, 10000));
        EXPECT_EQ(m_boxes.Seen().back().text, "Error ZRH009: The description file " + path +
                                                  " is corrupted. Verify that the data is correct before saving "
                                                  "this file.");
        EXPECT_EQ(ReadBytes(path), bytes);
    }
}

TEST_F(DescrEditorTest, RefusesAnEmptyListATooLongRecordAndAnUnwritableFileKeepingTheEdits)
{
    const std::string path = PathOf("new.fmt");
    INT_PTR result = RunEditor(path, [&](HWND editor) {
        EXPECT_EQ(Rows(editor), 0);
        EXPECT_FALSE(Enabled(editor, IDC_DESCR_CHANGE));
        Click(editor, IDOK);
        ASSERT_TRUE(m_boxes.WaitForDialogs(1, 10000));
        Click(editor, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(m_boxes.Seen().back().text, "Error ZRH010: The description file must contain at least one field.");
    EXPECT_EQ(ReadBytes(path), "");

    // The reader takes a file of 1761 characters; saving it is refused.
    const std::string tooLong = Record("A         A99900") + Record("B         A76200");
    WriteBytes(path, tooLong);
    RunEditor(path, [&](HWND editor) {
        Click(editor, IDOK);
        ASSERT_TRUE(m_boxes.WaitForDialogs(2, 10000));
        Click(editor, IDCANCEL);
    });
    EXPECT_EQ(m_boxes.Seen().back().text, "Error ZRH011: The record length (the sum of field lengths) must be less "
                                          "than or equal to 1760 characters.");
    EXPECT_EQ(ReadBytes(path), tooLong);

    // A read-only file: the editor stays open with its changed list; once writable, OK writes that list.
    WriteBytes(path, kThreeFields);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    m_boxes.Answer(IDYES);
    result = RunEditor(path, [&](HWND editor) {
        Select(editor, 2);
        Click(editor, IDC_DESCR_REMOVE);
        ASSERT_TRUE(m_boxes.WaitForDialogs(3, 10000));
        EXPECT_TRUE(WaitUntil([&] { return Rows(editor) == 2 && Selected(editor) == 1; }));
        Click(editor, IDOK);
        ASSERT_TRUE(m_boxes.WaitForDialogs(4, 10000));
        EXPECT_TRUE(IsWindow(editor));
        EXPECT_EQ(Rows(editor), 2);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        Click(editor, IDOK);
    });
    std::vector<SeenDialog> seen = m_boxes.Seen();
    EXPECT_EQ(seen[2].text, "Do you really want to remove the field, AMOUNT?");
    EXPECT_EQ(seen[3].text, "Error ZRH008: Unable to create or open the file " + path +
                                ". Check that the file is not write-protected nor shared by another application.");
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadBytes(path), kThreeFields.substr(0, 2 * 68));
}

TEST_F(DescrEditorTest, FieldDialogChecksItsValuesAndAppliesEachFieldOnce)
{
    const std::string path = PathOf("long.fmt");
    // 1700 characters in three fields.
    WriteBytes(path, Record("A         A80000") + Record("B         A80000") + Record("C         A10000"));
    INT_PTR result = RunEditor(path, [&](HWND editor) {
        Click(editor, IDC_DESCR_ADD);
        HWND field = WaitDialog("ZRT Add Field");
        ASSERT_NE(field, nullptr);
        SavePicture(field, "descr-editor-field");
        FillField(field, "", 0, "5", "0");
        Click(field, IDOK);
        ASSERT_TRUE(m_boxes.WaitForDialogs(1, 10000));
        FillField(field, "QTY", 1, "000", "0");
        Click(field, IDOK);
        ASSERT_TRUE(m_boxes.WaitForDialogs(2, 10000));
        FillField(field, "QTY", 1, "5", "6");
        Click(field, IDOK);
        ASSERT_TRUE(m_boxes.WaitForDialogs(3, 10000));
        FillField(field, "QTY", 1, "61", "0");
        Click(field, IDOK);
        ASSERT_TRUE(m_boxes.WaitForDialogs(4, 10000));
        // Char with decimal digits typed: stored as 0. Apply, then OK without changes: added once.
        FillField(field, "NOTE", 0, "60", "5");
        Click(field, IDC_FIELD_APPLY);
        EXPECT_TRUE(WaitUntil([&] { return Rows(editor) == 4; }));
        EXPECT_FALSE(Enabled(field, IDC_FIELD_APPLY));
        Click(field, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(field); }));
        EXPECT_EQ(Rows(editor), 4);
        EXPECT_EQ(Cell(editor, 3, 3), "0");

        // Changing the 100-character field to 160 fits, since its own length is not counted twice.
        Select(editor, 2);
        Click(editor, IDC_DESCR_CHANGE);
        field = WaitDialog("ZRT Change Field");
        ASSERT_NE(field, nullptr);
        char name[16] = {};
        GetDlgItemTextA(field, IDC_FIELD_NAME, name, sizeof(name));
        EXPECT_STREQ(name, "C");
        SetDlgItemTextA(field, IDC_FIELD_LENGTH, "40");
        Click(field, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(field); }));
        EXPECT_EQ(Cell(editor, 2, 2), "40");
        Click(editor, IDOK);
    });
    std::vector<SeenDialog> seen = m_boxes.Seen();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].text, "Error ZRH007: Parameter 'Name' is invalid.");
    EXPECT_EQ(seen[1].text, "Error ZRH007: Parameter 'Length' is invalid.");
    EXPECT_EQ(seen[2].text, "The Decimal digits field must be less than or equal to the Length field.");
    EXPECT_EQ(seen[3].text, "Error ZRH011: The record length (the sum of field lengths) must be less than or equal "
                            "to 1760 characters.");
    EXPECT_EQ(result, IDOK);
    std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 4u * 68);
    EXPECT_EQ(bytes.substr(2 * 68), Record("C         A04000") + Record("NOTE      A06000"));
}
