// EBCDIC code page 037 to ISO 8859-1; a permutation of 0-255.
#pragma once

extern const unsigned char g_ebcdic037ToLatin1[256];
