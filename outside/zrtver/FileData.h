// Version and description texts from a module file's version resource.
#pragma once

// Fills `version` (16 bytes) with the file version text and `description` (64 bytes) with the file description;
// a text the file does not hold stays empty.
void ReadFileData(const char* modulePath, char* version, char* description);
