// Zrtpcfile.dll: the PC-file data sources, reached through ZRTCreateObject.
#include "DataSourceLibrary.h"
#include "ZRI_DSInternal.h"

ZRT_DATA_SOURCE_LIBRARY(CreatePcFileDataSource)
