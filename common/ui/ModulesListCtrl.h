// CModulesListCtrl: the About box's list of program modules with their versions and descriptions.
#pragma once

#include "ImageListCtrl.h"

#include <functional>
#include <string>

class CModulesListCtrl : public CImageListCtrl
{
public:
    // Appends a row; nonzero on success.
    BOOL AddModule(const std::string& name, const std::string& version, const std::string& description);

protected:
    int CompareItems(ImageListRecord* item1, ImageListRecord* item2, int column) override;
    void GetItemText(std::string& text, ImageListRecord* item, int column) override;
    int GetItemImage(ImageListRecord* item) override;
};

// Lists the program modules of a folder and its subfolders: first every subfolder (attributes exactly
// FILE_ATTRIBUTE_DIRECTORY, name not beginning with "."), depth first, then the folder's "*.EXE", "*.DLL", "*.SYS"
// and "*.VXD" files in this order, except the set-up files. `found` gets each module's full path and its upper-cased
// file name.
void ScanModuleFolder(const std::string& folder,
                      const std::function<void(const std::string& path, const std::string& name)>& found);
