// String ids of Zrtjetdb.rc.
#pragma once

#define IDS_JET_NOT_AVAILABLE 1
