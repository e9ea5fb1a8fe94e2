// String ids of Zrtmgr's own table (Zrtmgr.rc); each id is the message number.
#pragma once

#define IDS_ZRM001 1
#define IDS_ZRM002 2
#define IDS_ZRM003 3
#define IDS_ZRM004 4
#define IDS_ZRM005 5
#define IDS_ZRM006 6
#define IDS_ZRM007 7
#define IDS_ZRM008 8
#define IDS_ZRM009 9
