#include "AboutDlg.h"
#include "FwListCtrl.h"
#include "ModulesListCtrl.h"
#include "ProgramWindows.h"
#include "TempProgramFolder.h"
#include "TestRegistryKey.h"
#include "VersionLibrary.h"
#include "ZRUiResourceIds.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
struct Found
{
    std::string path;
    std::string name;
};

std::vector<Found> Scan(const std::string& folder)
{
    std::vector<Found> found;
    ScanModuleFolder(folder, [&](const std::string& path, const std::string& name) { found.push_back({path, name}); });
    return found;
}

std::vector<std::string> Names(const std::vector<Found>& found)
{
    std::vector<std::string> names;
    for (const Found& f : found)
    {
        names.push_back(f.name);
    }
    return names;
}

// Runs `inspect` on the first dialog of this process once it shows, from a timer of the modal loop.
std::function<void(HWND)> g_inspect;

void CALLBACK InspectTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = FindTopLevelWindow(WindowQuery{GetCurrentProcessId(), "#32770", {}});
    if (dialog && g_inspect)
    {
        KillTimer(nullptr, timer);
        auto inspect = std::move(g_inspect);
        g_inspect = nullptr;
        inspect(dialog);
    }
}
}

TEST(ScanModuleFolder, ScansSubfoldersFirstAndListsModulesByPattern)
{
    TempProgramFolder folder;
    CreateDirectoryA(folder.PathOf("sub").c_str(), nullptr);
    CreateDirectoryA(folder.PathOf(".hidden").c_str(), nullptr);
    for (const char* name : {"a.dll", "sub\\b.exe", "setup.exe", "sub\\SETUP.EXE", "_isdel.exe", "notes.txt",
                             ".hidden\\d.dll", "x.sys", "y.vxd", "vpe32.dll", "_setup.dll", "Zrtbatch.exe"})
    {
        folder.WriteFile(name, "MZ");
    }
    std::vector<Found> found = Scan(folder.Path());
    EXPECT_EQ(Names(found), (std::vector<std::string>{"B.EXE", "ZRTBATCH.EXE", "A.DLL", "X.SYS", "Y.VXD"}));
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].path, folder.Path() + "\\sub\\b.exe");
}

TEST(ScanModuleFolder, SkipsAFolderWhoseAttributesAreMoreThanDirectory)
{
    TempProgramFolder folder;
    CreateDirectoryA(folder.PathOf("archived").c_str(), nullptr);
    folder.WriteFile("archived\\c.dll", "MZ");
    SetFileAttributesA(folder.PathOf("archived").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_ARCHIVE);
    if (GetFileAttributesA(folder.PathOf("archived").c_str()) != (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_ARCHIVE))
    {
        GTEST_SKIP() << "this file system keeps no archive attribute on folders";
    }
    EXPECT_TRUE(Scan(folder.Path()).empty());
}

TEST(AboutDlg, ShowsTheProductTextsAndEveryModuleOfTheProgramFolder)
{
    TestRegistryKey key;
    TempProgramFolder folder;
    folder.AddVersionLibrary();
    folder.AddCodeTable();
    CreateDirectoryA(folder.PathOf("tools").c_str(), nullptr);
    folder.CopyFromBuild("Zrtver.dll", "tools\\helper.dll");
    folder.WriteFile("setup.exe", "MZ");
    CVersionLibrary library("\\Zrthelp.hlp", folder.Path().c_str());
    ASSERT_EQ(library.GetStatus(), ZRVL_READY);
    SetVersionLibrary(&library);

    std::string title;
    std::string copyright;
    std::string product;
    std::vector<std::string> headings;
    std::vector<int> widths;
    std::vector<std::vector<std::string>> rows;
    g_inspect = [&](HWND dialog) {
        char text[512];
        GetWindowTextA(dialog, text, sizeof(text));
        title = text;
        GetDlgItemTextA(dialog, IDC_ZR_ABOUT_COPYRIGHT, text, sizeof(text));
        copyright = text;
        GetDlgItemTextA(dialog, IDC_ZR_ABOUT_PRODUCT, text, sizeof(text));
        product = text;
        HWND list = GetDlgItem(dialog, IDC_ZR_ABOUT_MODULES);
        for (int column = 0; column < 3; ++column)
        {
            LVCOLUMNA info{};
            info.mask = LVCF_TEXT | LVCF_WIDTH;
            info.pszText = text;
            info.cchTextMax = sizeof(text);
            SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
            headings.push_back(text);
            widths.push_back(info.cx);
        }
        int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row)
        {
            std::vector<std::string> cells;
            for (int column = 0; column < 3; ++column)
            {
                LVITEMA item{};
                item.iSubItem = column;
                item.pszText = text;
                item.cchTextMax = sizeof(text);
                SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
                cells.push_back(text);
            }
            rows.push_back(cells);
        }
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
    SetTimer(nullptr, 0, 50, InspectTimer);
    CAboutDlg about(nullptr);
    EXPECT_EQ(about.DoModal(), IDOK);
    SetVersionLibrary(nullptr);

    EXPECT_EQ(title, "About ZRT");
    EXPECT_EQ(copyright, library.GetCopyright());
    EXPECT_EQ(product, library.GetGenericCaption() + "ZRT (Zerathon)");
    EXPECT_EQ(headings, (std::vector<std::string>{"File", "Version", "Description"}));
    EXPECT_EQ(widths, (std::vector<int>{140, 80, 270}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "HELPER.DLL");
    EXPECT_EQ(rows[1][0], "ZRTVER.DLL");
    char version[17] = {};
    char description[65] = {};
    library.GetFileData(folder.PathOf("Zrtver.dll").c_str(), version, description);
    EXPECT_EQ(rows[1][1], version);
    EXPECT_EQ(rows[1][2], description);
}
