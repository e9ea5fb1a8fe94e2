#include "Zrtbatch.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CZrtbatchApp application;
    return application.Main(instance, GetCommandLineA());
}
