// The About box (dialog 100): product texts and every program module in the program folder and below it.
#pragma once

#include "FwDialog.h"
#include "ModulesListCtrl.h"

class CAboutDlg : public CFwDialog
{
public:
    explicit CAboutDlg(HWND parent);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CFwDataExchange& exchange) override;

private:
    CModulesListCtrl m_modules;
    std::string m_copyright;
    std::string m_product;
};
