// The browse request that the caller put into the profile (parameters 501-505), and what kind of list it asks for.
#pragma once

#include "ZRContracts.h"

#include <string>

enum class ListKind
{
    Libraries,
    Files,
    Members,
    Fields,
    Records,
};

struct BrowseRequest
{
    std::string request;
    std::string library;
    std::string file;
    std::string member;
    std::string current;

    // The list the host sends for this request, told apart as the host tells it.
    ListKind Kind() const;
    // The browse parameter that receives the chosen name (502, 503 or 504), or 0 for a list that is only shown.
    int ChoiceParameter() const;
};

// Reads 501-505 through the profile's browse entry; a value it does not give stays empty.
BrowseRequest ReadBrowseRequest(const ProfileCallbacks& profile);
