#include "ZRServiceCallbacks.h"

#include "ZROptions.h"

OptionCallbacks g_optionCallbacks;

namespace
{
CZROptions* g_options = nullptr;

BOOL ZRTAPI SetOption(int id, const void* source)
{
    return g_options != nullptr && source != nullptr && g_options->SetValue(id, source);
}

BOOL ZRTAPI GetOption(int id, void* destination)
{
    return g_options != nullptr && destination != nullptr && g_options->GetValue(id, destination);
}

int ZRTAPI GetOptionSize(int id)
{
    return g_options != nullptr ? g_options->GetSize(id) : -1;
}
}

BOOL InstallOptionsCallbacks(CZROptions* options)
{
    g_options = options;
    g_optionCallbacks = {SetOption, GetOption, GetOptionSize};
    return TRUE;
}
