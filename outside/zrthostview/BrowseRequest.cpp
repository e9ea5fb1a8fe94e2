#include "BrowseRequest.h"

namespace
{
std::string ReadText(const ProfileCallbacks& profile, int id, size_t size)
{
    std::string text(size, '\0');
    if (!profile.GetBrowse(id, text.data()))
        return std::string();
    text.resize(text.find('\0') == std::string::npos ? size - 1 : text.find('\0'));
    return text;
}
}

ListKind BrowseRequest::Kind() const
{
    if (request == ZR_BROWSE_TABLES)
        return library.empty() ? ListKind::Libraries : file.empty() ? ListKind::Files : ListKind::Members;
    if (request == ZR_BROWSE_DATA)
        return ListKind::Records;
    return ListKind::Fields;
}

int BrowseRequest::ChoiceParameter() const
{
    switch (Kind())
    {
    case ListKind::Libraries:
        return ZRP_BROWSE_LIBRARY;
    case ListKind::Files:
        return ZRP_BROWSE_FILE;
    case ListKind::Members:
        return ZRP_BROWSE_MEMBER;
    default:
        return 0;
    }
}

BrowseRequest ReadBrowseRequest(const ProfileCallbacks& profile)
{
    BrowseRequest request;
    request.request = ReadText(profile, ZRP_BROWSE_REQUEST, ZR_BROWSE_REQUEST_SIZE);
    request.library = ReadText(profile, ZRP_BROWSE_LIBRARY, ZR_BROWSE_NAME_SIZE);
    request.file = ReadText(profile, ZRP_BROWSE_FILE, ZR_BROWSE_NAME_SIZE);
    request.member = ReadText(profile, ZRP_BROWSE_MEMBER, ZR_BROWSE_NAME_SIZE);
    request.current = ReadText(profile, ZRP_BROWSE_CURRENT, ZR_BROWSE_CURRENT_SIZE);
    return request;
}
