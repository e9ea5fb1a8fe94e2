// Zrtexcel.dll: the Excel data source, reached through ZRTCreateObject.
#include "DataSourceLibrary.h"
#include "ZRI_DSExcelCOM.h"

ZRT_DATA_SOURCE_LIBRARY(CreateExcelDataSource)
