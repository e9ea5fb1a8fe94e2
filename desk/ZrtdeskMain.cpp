#include "ZrtdeskApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CZrtdeskApp application;
    return application.Main(instance, GetCommandLineA());
}
