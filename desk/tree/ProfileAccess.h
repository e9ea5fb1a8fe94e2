// The current profile's parameters by id, as the property items read and write them: the general store (1-6), the
// PC request part (200-205) and the host request part (303-310).
#pragma once

#include <string>

class CZRProfile;

// 0 (or an empty text) when there is no current profile or the id belongs to no part the profile has.
int GetParamInt(int id);
void SetParamInt(int id, int value);
std::string GetParamText(int id);
void SetParamText(int id, const std::string& text);
// The session letter (parameter 303).
char GetSessionLetter();
void SetSessionLetter(char letter);
void MarkProfileModified();

// Shape of the profile that the items depend on.
bool IsAs400(const CZRProfile& profile);
bool IsHostToPc(const CZRProfile& profile);
// Whether the host request part names a member.
bool HoldsMember(const CZRProfile& profile);
int PcFileTypeOf(const CZRProfile& profile);
// The id of the host location: 306 ("SQL from") host to PC, 307 ("SQL into") PC to host.
int LocationParamId();
// The stored host location split into its parts (library, file, member or file alone, or library and member).
std::string LocationPart(size_t index);
