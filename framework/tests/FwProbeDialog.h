// A dialog over the probe template that runs a test's script once it is shown.
#pragma once

#include "FwDialog.h"
#include "FwListCtrl.h"
#include "FwTestIds.h"

#include <functional>
#include <string>
#include <vector>

// A list control that answers the parent's display requests and records what reached it.
class CProbeList : public CFwListCtrl
{
    FW_DECLARE_MESSAGE_MAP()

public:
    std::vector<std::string> events;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
};

class CProbeDialog : public CFwDialog
{
    FW_DECLARE_MESSAGE_MAP()

public:
    explicit CProbeDialog(std::function<void(CProbeDialog&)> script);

    std::function<void(CProbeDialog&)> script;
    std::vector<std::string> events;
    std::string text = "pushed";
    bool refuseOk = false;
    bool endInInit = false;
    CProbeList list;

    static constexpr UINT kRunScript = WM_USER + 1;
    static constexpr UINT kPrivate = WM_USER + 5;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CFwDataExchange& exchange) override;

    LRESULT OnRunScript(WPARAM wParam, LPARAM lParam);
    LRESULT OnPrivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnButton(WPARAM wParam, LPARAM lParam);
    LRESULT OnEditChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnItemChanged(WPARAM wParam, LPARAM lParam);
};
