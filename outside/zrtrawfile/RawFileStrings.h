// String ids of Zrtrawfile.rc.
#pragma once

#define IDS_RAW_CANNOT_WRITE 1
#define IDS_RAW_CANNOT_READ 2
#define IDS_RAW_INCOMPLETE_RECORD 3
#define IDS_RAW_LAYOUT 4
#define IDS_RAW_DIRECTION 5
