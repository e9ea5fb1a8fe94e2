// String ids of FieldLines.rc.
#pragma once

#define IDS_FMT_CANNOT_WRITE 1
#define IDS_FMT_LAYOUT 2
#define IDS_FMT_TO_HOST 3
#define IDS_FMT_DIRECTION 4
