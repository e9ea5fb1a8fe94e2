// String ids of Zrtexcel's string table.
#pragma once

#define IDS_ZRX002 2
#define IDS_ZRX003 3
#define IDS_ZRX004 4
#define IDS_ZRX005 5
#define IDS_ZRX006 6
#define IDS_ZRX007 7
#define IDS_ZRX008 8
#define IDS_ASK_CREATE 9
#define IDS_ASK_REPLACE 10
#define IDS_ZRX009 11
#define IDS_ZRX010 12
#define IDS_ZRX011 13
#define IDS_ZRX012 14
#define IDS_ZRX013 15
#define IDS_ZRX014 16
#define IDS_ZRX015 17
#define IDS_ZRX016 18
#define IDS_ZRX017 19
#define IDS_ZRX018 20
#define IDS_ZRX019 21
#define IDS_ZRX020 22
#define IDS_ZRX021 23
#define IDS_ZRX022 24
