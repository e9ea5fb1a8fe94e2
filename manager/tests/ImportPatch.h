// Replaces, while it lives, the import-table slot through which a loaded module calls a function of another
// module, so that a test can make a system call fail inside the library under test.
#pragma once

#include <windows.h>

class ImportPatch
{
public:
    ImportPatch(HMODULE module, const char* importedModule, const char* function, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool Applied() const { return m_slot != nullptr; }

private:
    void Write(void* value);

    void** m_slot = nullptr;
    void* m_original = nullptr;
};
