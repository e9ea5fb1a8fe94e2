// Direct messages and Yes/No questions of the programs: a string of the program's resources, formatted with up to
// three arguments, shown in a message box over the main window.
#pragma once

#include <windows.h>

#include <string>

#include "FwText.h"

// Kinds of message.
enum ZRMessageKind
{
    ZRMSG_ERROR = 0,        // stop icon
    ZRMSG_WARNING = 1,      // exclamation icon
    ZRMSG_INFORMATION = 2,  // information icon
};

// Kinds of question.
enum ZRQuestionKind
{
    ZRQUESTION_YES_DEFAULT = 1,  // Yes/No, Yes is the default button
    ZRQUESTION_NO_DEFAULT = 2,   // Yes/No, No is the default button
};

// How ShowMessageText shows a text; the programs show every direct message in a box.
const int ZRMSG_MODE_BOX = 0;

// Message posted by PostMainWindowMessage.
const UINT WM_ZR_MAIN_WINDOW = WM_USER + 3;

// String `id` (at most 255 characters) of the resource module: the resource library when one is loaded, else the
// program. FALSE, and an empty text, when the string is missing.
BOOL LoadResourceText(UINT id, std::string& text);

// Shows the text in a message box of the kind; the result of the box.
int ShowMessageText(const std::string& text, int mode, int kind);

// Loads string `id`, formats it with the arguments (without an argument, or with an absent text, the string is
// shown unchanged) and shows it. The result of the box.
int ShowMessage(UINT id, const char* text = nullptr, int mode = ZRMSG_MODE_BOX, int kind = ZRMSG_ERROR);
int ShowMessage(UINT id, int number, int mode, int kind);
int ShowMessage(UINT id, const CFwFormatArg& first, const CFwFormatArg& second, int mode, int kind);
int ShowMessage(UINT id, const CFwFormatArg& first, const CFwFormatArg& second, const CFwFormatArg& third, int mode,
                int kind);

// Asks string `id`, formatted the same way, as a Yes/No question of the kind: IDYES or IDNO.
int AskQuestion(UINT id, const char* text = nullptr, int kind = ZRQUESTION_YES_DEFAULT);
int AskQuestion(UINT id, const CFwFormatArg& argument, int kind);
int AskQuestion(UINT id, const CFwFormatArg& first, const CFwFormatArg& second, int kind);

// Posts WM_ZR_MAIN_WINDOW with the parameters to the program's main window.
BOOL PostMainWindowMessage(WPARAM wParam, LPARAM lParam);
