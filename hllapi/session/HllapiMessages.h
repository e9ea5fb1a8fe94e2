// String ids of the session layer's messages. Both host libraries hold a text for each id in their own string
// table: Zrtas400 the ZRT code of the comment, Zrts36 the ZRS code.
#pragma once

// Plain definitions, so that the resource compiler reads them too.
#define IDS_HLL_BRIDGE_CORRUPTED 2020   // ZRT020 ZRS001
#define IDS_HLL_BRIDGE_NOT_LOADED 2021  // ZRT021 ZRS002
#define IDS_HLL_SYSTEM_ERROR 2022       // ZRT022 ZRS006
#define IDS_HLL_UNKNOWN_ERROR 2023      // ZRT023 ZRS008
#define IDS_HLL_BAD_SESSION 2024        // ZRT024 ZRS003
#define IDS_HLL_PS_BUSY 2025            // ZRT025 ZRS004
#define IDS_HLL_PS_LOCKED 2026          // ZRT026 ZRS005
#define IDS_HLL_PS_IN_USE 2027          // ZRT027 ZRS007
#define IDS_HLL_NOT_CONNECTED 2028      // ZRT028 ZRS010
#define IDS_HLL_BAD_STRING_LENGTH 2029  // ZRT029 ZRS011
#define IDS_HLL_BAD_POSITION 2030       // ZRT030 ZRS012
#define IDS_HLL_PS_PROTECTED 2031       // ZRT031 ZRS013
#define IDS_HLL_DATA_TRUNCATED 2032     // ZRT032 ZRS014
#define IDS_HLL_BAD_PARAMETER 2033      // ZRT033 ZRS009
#define IDS_HLL_BAD_DESIGNATOR 2034     // ZRT034 ZRS016
#define IDS_HLL_NO_NOTIFICATION 2035    // ZRT035 ZRS018
#define IDS_HLL_BAD_CURSOR 2036         // ZRT036 ZRS015
#define IDS_HLL_BAD_LENGTH 2037         // ZRT037 ZRS020
#define IDS_HLL_TIMEOUT 2038            // ZRT038 ZRS017
#define IDS_HLL_EVENT_DAMAGED 2040      // ZRT040 ZRS019
#define IDS_HLL_NOT_COMMAND_LINE 2041   // ZRT041 (Zrtas400 only)
#define IDS_HLL_OPERATOR_ERROR 2042     // ZRT042 ZRS021
