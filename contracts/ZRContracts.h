// Every table and record that crosses a ZRT library boundary.
#pragma once

#include "ZRApi.h"
#include "ZRProfileParams.h"
#include "ZROptionIds.h"
#include "ZRErrorRecord.h"
#include "ZRCallerTables.h"
#include "ZRTypeCodes.h"
#include "ZRDataSource.h"
#include "ZRManagerTable.h"
