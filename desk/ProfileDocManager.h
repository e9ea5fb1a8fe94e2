// CProfileDocManager: the Open and Save As prompts of Zrtdesk's profiles and profile lists.
#pragma once

#include "FwDocument.h"

class CProfileDocManager : public CFwDocManager
{
public:
    BOOL DoPromptFileName(std::string& fileName, UINT titleId, DWORD flags, BOOL open,
                          CFwDocTemplate* docTemplate) override;
};

// The name Save As proposes: an untitled document's title up to the first of " #%;/\", else the path; either with
// the extension of its file name part (not of a folder) replaced by "." and `extension`.
std::string ProposeSaveName(const std::string& pathOrTitle, bool untitled, const std::string& extension);

// Runs a profile file dialog: it starts in the profile folder when the profile-folder flag is set (and
// `useProfileFolder` allows it), and a confirmed choice clears the flag. `path` holds the initial name and receives
// the full path of the choice.
BOOL PromptProfileFile(std::string& path, BOOL open, DWORD flags, UINT filterId, const char* defaultExtension,
                       HWND owner, bool useProfileFolder = true);
