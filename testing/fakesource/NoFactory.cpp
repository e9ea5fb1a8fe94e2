// A library that looks like a data source by name but lacks the factory export.
#include <windows.h>

extern "C" __declspec(dllexport) int ZrtNotAFactory()
{
    return 0;
}
