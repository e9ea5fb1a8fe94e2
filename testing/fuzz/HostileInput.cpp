#include "HostileInput.h"

#include "HostileReaders.h"

std::vector<std::string> HostileReaderNames()
{
    return {"pc-txt",
            "pc-tab",
            "pc-csv",
            "pc-prn",
            "pc-dlm",
            "pc-dif",
            "pc-dbf",
            "pc-dr1",
            "pc-dr2",
            "pc-append",
            "profile",
            "profile-list",
            "descr-records",
            "descr-lines",
            "host-store-as400",
            "host-store-s36",
            "host-replies-as400",
            "host-replies-s36"};
}

std::unique_ptr<HostileReader> MakeHostileReader(const std::string& name)
{
    for (auto make : {MakePcFileReader, MakeProfileReader, MakeListOrDescrReader, MakeHostReader})
        if (std::unique_ptr<HostileReader> reader = make(name))
            return reader;
    return nullptr;
}
