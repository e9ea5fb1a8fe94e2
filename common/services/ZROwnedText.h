// A text on the heap that is absent until set; an absent text reads as empty.
#pragma once

#include <windows.h>

class CZROwnedText
{
public:
    CZROwnedText() = default;
    CZROwnedText(const CZROwnedText&) = delete;
    CZROwnedText& operator=(const CZROwnedText&) = delete;
    ~CZROwnedText() { Free(); }

    // Replaces the text by a copy of `text`; FALSE, with the old text kept, when the copy cannot be allocated.
    BOOL Set(const char* text);
    void Free();

    BOOL IsSet() const { return m_text != nullptr; }
    const char* Get() const { return m_text != nullptr ? m_text : ""; }
    // Length + 1, or 1 when absent.
    int Size() const;

private:
    char* m_text = nullptr;
};

// Copies `source` into a fixed array of `size` bytes, cutting it to size - 1 characters.
void CopyBounded(char* destination, size_t size, const char* source);
