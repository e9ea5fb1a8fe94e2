// Resource ids of the framework's own texts and commands; every program that uses the document flow includes
// FwResources.rc in its resources. Plain defines: the resource compiler reads this file too.
#pragma once

// Standard commands.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_MRU_FILE1 57616
#define ID_FILE_MRU_LAST 57631
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
// Result of a wizard sheet that ended with Finish.
#define ID_WIZFINISH 12325

// Texts.
#define IDS_FW_IDLE_MESSAGE 57345  // status bar text while nothing is going on
#define IDS_FW_ASK_TO_SAVE 61442   // save question, with the document's path or title
#define IDS_FW_UNTITLED 61443      // title of a document without a file
#define IDS_FW_RECENT_FILE 61444   // placeholder of the recent-file list on the File menu
#define IDS_FW_RECENT_ENTRY 61445  // one recent-file menu item: its number and path
