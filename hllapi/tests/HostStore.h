// The host store of the stand-in bridge as the tests see it: a copy of the sample store, its record files read
// back as host bytes, members added for a test.
#pragma once

#include <string>
#include <vector>

// Copies the build's sample store (the program folder's "host") into `folder` and names it in ZRT_HOST_DIR.
void UseCopyOfSampleStore(const std::string& folder);
// The lines of a text file (CR LF or LF), read while another process may hold it open.
std::vector<std::string> FileLines(const std::string& path);
// The records of a record file as host bytes, each filled with EBCDIC blanks to the length.
std::vector<std::string> RecordFileRecords(const std::string& path, int recordLength);
// Adds a member to an AS/400 file of a store: `records` records taken in turn from another member.
void AddAs400Member(const std::string& store, const std::string& library, const std::string& file,
                    const std::string& from, const std::string& to, int records);
// Host bytes from text in code page 037 (printable ASCII only).
std::string Ebcdic(const std::string& text);
