// One open registry key with typed value access, tree deletion and copying.
#pragma once

#include <windows.h>

#include <string>

// Modes of the constructor.
enum RegistryKeyMode
{
    ZRRK_OPEN = 0,       // open an existing key for reading and writing
    ZRRK_CREATE = 1,     // create the key when it is missing
    ZRRK_READ_ONLY = 2,  // open an existing key for reading only
};

// Status of the last operation.
enum RegistryKeyStatus
{
    ZRRK_SUCCESS = 1,
    ZRRK_FAILURE = 2,
};

// A predefined root key travels as a 32-bit number; on 64-bit Windows its HKEY is that number sign-extended.
DWORD RootKeyToWord(HKEY root);
HKEY RootKeyFromWord(DWORD word);

class CRegistryKey
{
public:
    CRegistryKey(const char* subkeyPath, HKEY root, int mode);
    // The copy borrows the handle: it never closes it.
    CRegistryKey(const CRegistryKey& other);
    CRegistryKey& operator=(const CRegistryKey&) = delete;
    ~CRegistryKey();

    BOOL IsOpen() const { return m_key != nullptr; }
    int GetStatus() const { return m_status; }
    // REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY after a create; 0 otherwise.
    DWORD GetDisposition() const { return m_disposition; }
    void Close();

    BOOL SetString(const char* value, const char* name);
    BOOL SetDword(DWORD value, const char* name);
    BOOL SetBinary(const void* data, DWORD size, const char* name);
    // Only a REG_SZ value; the whole text, whatever its length.
    BOOL GetString(std::string& value, const char* name);
    // Only a REG_DWORD value.
    BOOL GetDword(DWORD& value, const char* name);
    // A REG_DWORD value as 1 (nonzero) or 0.
    BOOL GetBool(BOOL& value, const char* name);
    // Only a REG_BINARY value of exactly `size` bytes.
    BOOL GetBinary(void* data, DWORD size, const char* name);

    // Deletes every subkey, depth first, then the key itself; the object then holds no key.
    BOOL DeleteTree();
    // The name of the subkey at `index` (at most 100 characters); 0 when there is none.
    BOOL EnumSubkey(DWORD index, std::string& name);
    // Makes the key whose path is this path with its last component replaced and copies every value and,
    // recursively, every subkey into it. The same name succeeds at once.
    BOOL CopyToSibling(const char* newLastComponent);
    // CopyToSibling, then DeleteTree of this key, only when everything was copied.
    BOOL Rename(const char* newLastComponent);

private:
    BOOL Succeed();
    BOOL Fail();
    BOOL Result(LONG error);

    HKEY m_key = nullptr;
    HKEY m_root = nullptr;
    std::string m_path;
    bool m_borrowed = false;
    int m_status = ZRRK_SUCCESS;
    DWORD m_disposition = 0;
};
