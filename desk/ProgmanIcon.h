// Program Manager items over DDE: the commands that make a group and an item that starts Zrtbatch with a saved
// profile or profile list, and one execute transaction that sends a command.
#pragma once

#include <windows.h>

#include <string>

// Icon indices of Zrtdesk's program file for the kinds of document.
enum ProgmanIconIndex
{
    ZRICON_PROFILE_LIST = 4,
    ZRICON_PC_TO_HOST = 5,
    ZRICON_HOST_TO_PC = 6,
};

// [CreateGroup("<group>")]
std::string FormatCreateGroupCommand(const std::string& group);
// [AddItem("<programFolder>\Zrtbatch.exe" "<documentPath>", "<title>", "<iconFile>", <iconIndex>)], as long as it
// needs to be.
std::string FormatAddItemCommand(const std::string& programFolder, const std::string& documentPath,
                                 const std::string& title, const std::string& iconFile, int iconIndex);
// [Reload("<group>")]
std::string FormatReloadCommand(const std::string& group);

// The DDE service and topic that receive the commands: Program Manager's, "PROGMAN", unless another is set.
void SetProgmanService(const std::string& service);

// One execute transaction of `command` (with its terminating zero, CF_TEXT) with Program Manager; every DDE
// handle is released on the way out. FALSE when any step fails.
BOOL ExecuteProgmanDde(const std::string& command);
