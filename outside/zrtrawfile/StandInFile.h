// The PC file of an outside data source: held open, unshared, for the whole transfer, and passed through one
// buffer, written by the profile's write mode or read from its start.
#pragma once

#include <ZRContracts.h>

#include "OwnedHandles.h"

#include <cstddef>
#include <vector>

class CStandInFile
{
public:
    CStandInFile() = default;
    ~CStandInFile();
    CStandInFile(const CStandInFile&) = delete;
    CStandInFile& operator=(const CStandInFile&) = delete;

    // Create and replace (ZRPcWriteMode 1, 2) start an empty file; append (3) writes after the file's end.
    bool OpenForWriting(const char* path, int writeMode);
    bool OpenForReading(const char* path);
    bool Write(const void* data, size_t size);
    // Reads up to `size` bytes; `*got` tells how many there were (fewer only at the end of the file).
    bool Read(void* data, size_t size, size_t* got);
    bool Flush();
    // Flushes what is left and closes; true when there was nothing to close.
    bool Close();

private:
    bool Fill();

    OwnedFile m_file;
    std::vector<char> m_buffer;
    size_t m_position = 0;  // next byte to read from the buffer
    bool m_writing = false;
};
