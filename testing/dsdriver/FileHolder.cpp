// zrt_file_holder <path> <ready event> <release event>: opens the file without sharing, signals the ready event,
// waits for the release event (at most a minute) and exits. Exit code 1 when the file cannot be opened.
#include <windows.h>

#include "OwnedHandles.h"

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    OwnedFile file(
        CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return 1;
    OwnedEvent ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]));
    OwnedEvent release(OpenEventA(SYNCHRONIZE, FALSE, argv[3]));
    if (!ready || !release)
        return 2;
    SetEvent(ready.Get());
    WaitForSingleObject(release.Get(), 60000);
    return 0;
}
