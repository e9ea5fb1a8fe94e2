#include "ZROwnedText.h"

#include <cstring>
#include <new>

BOOL CZROwnedText::Set(const char* text)
{
    size_t size = strlen(text) + 1;
    char* copy = new (std::nothrow) char[size];
    if (copy == nullptr)
        return FALSE;
    memcpy(copy, text, size);
    Free();
    m_text = copy;
    return TRUE;
}

void CZROwnedText::Free()
{
    delete[] m_text;
    m_text = nullptr;
}

int CZROwnedText::Size() const
{
    return static_cast<int>(strlen(Get())) + 1;
}

void CopyBounded(char* destination, size_t size, const char* source)
{
    if (size == 0)
        return;
    size_t length = strnlen(source, size - 1);
    memcpy(destination, source, length);
    destination[length] = '\0';
}
