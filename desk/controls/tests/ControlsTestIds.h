#pragma once

#define IDB_TEST_PICTURE 142
