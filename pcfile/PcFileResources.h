// String ids of Zrtpcfile's string table. The two questions keep ids 16 and 17; message ZRInnn has id 100 + nnn.
#pragma once

#define IDS_ASK_CREATE 16
#define IDS_ASK_REPLACE 17

#define IDS_ZRI001 101
#define IDS_ZRI002 102
#define IDS_ZRI003 103
#define IDS_ZRI004 104
#define IDS_ZRI005 105
#define IDS_ZRI006 106
#define IDS_ZRI007 107
#define IDS_ZRI010 110
#define IDS_ZRI012 112
#define IDS_ZRI013 113
#define IDS_ZRI014 114
#define IDS_ZRI015 115
#define IDS_ZRI017 117
#define IDS_ZRI018 118
#define IDS_ZRI019 119
#define IDS_ZRI020 120
