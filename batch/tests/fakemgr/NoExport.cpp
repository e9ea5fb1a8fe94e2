// A Zrtmgr.dll whose one export has another name, as a damaged installation could have.
#include <windows.h>

extern "C" BOOL __stdcall ZRTSomethingElse()
{
    return FALSE;
}
