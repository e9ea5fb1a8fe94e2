#include "DeskInstallation.h"

#include "HostStore.h"

void SetUpDeskInstallation(TempProgramFolder& folder, const TestRegistryKey& key, bool withBatch)
{
    folder.CopyFromBuild("Zrtdesk.exe", "Zrtdesk.exe");
    if (withBatch)
        folder.CopyFromBuild("Zrtbatch.exe", "Zrtbatch.exe");
    folder.AddManager(ManagerLibrary::Real,
                      {"Zrtpcfile.dll", "Zrtas400.dll", "Zrts36.dll", "KVHLL32.dll", "Zrthostview.dll"});
    folder.AddVersionLibrary();
    folder.AddCodeTable();
    UseCopyOfSampleStore(folder.ParentPath() + "\\store");
    key.SwitchOffFileConfirmations();
}
