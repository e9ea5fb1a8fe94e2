#include "RegistryKey.h"

#include "OwnedHandles.h"
#include "RegistryTree.h"

#include <cstring>
#include <vector>

namespace
{

const REGSAM kReadWriteAccess = KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;

}

DWORD RootKeyToWord(HKEY root)
{
    return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(root));
}

HKEY RootKeyFromWord(DWORD word)
{
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(word)));
}

CRegistryKey::CRegistryKey(const char* subkeyPath, HKEY root, int mode) : m_root(root), m_path(subkeyPath)
{
    LONG error;
    if (mode == ZRRK_CREATE)
        error = RegCreateKeyExA(root, subkeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, kReadWriteAccess, nullptr,
                                &m_key, &m_disposition);
    else
        error = RegOpenKeyExA(root, subkeyPath, 0, mode == ZRRK_READ_ONLY ? KEY_READ : kReadWriteAccess, &m_key);
    if (error != ERROR_SUCCESS)
    {
        m_key = nullptr;
        m_status = ZRRK_FAILURE;
    }
}

CRegistryKey::CRegistryKey(const CRegistryKey& other)
    : m_key(other.m_key), m_root(other.m_root), m_path(other.m_path), m_borrowed(true), m_status(other.m_status),
      m_disposition(other.m_disposition)
{
}

CRegistryKey::~CRegistryKey()
{
    Close();
}

void CRegistryKey::Close()
{
    if (m_key != nullptr && !m_borrowed)
        RegCloseKey(m_key);
    m_key = nullptr;
}

BOOL CRegistryKey::Succeed()
{
    m_status = ZRRK_SUCCESS;
    return TRUE;
}

BOOL CRegistryKey::Fail()
{
    m_status = ZRRK_FAILURE;
    return FALSE;
}

BOOL CRegistryKey::Result(LONG error)
{
    return error == ERROR_SUCCESS ? Succeed() : Fail();
}

BOOL CRegistryKey::SetString(const char* value, const char* name)
{
    if (m_key == nullptr)
        return Fail();
    DWORD size = static_cast<DWORD>(std::strlen(value) + 1);
    return Result(RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), size));
}

BOOL CRegistryKey::SetDword(DWORD value, const char* name)
{
    if (m_key == nullptr)
        return Fail();
    return Result(RegSetValueExA(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value));
}

BOOL CRegistryKey::SetBinary(const void* data, DWORD size, const char* name)
{
    if (m_key == nullptr)
        return Fail();
    return Result(RegSetValueExA(m_key, name, 0, REG_BINARY, static_cast<const BYTE*>(data), size));
}

BOOL CRegistryKey::GetString(std::string& value, const char* name)
{
    if (m_key == nullptr)
        return Fail();
    // The value may change between the two queries; try again while it grows.
    for (;;)
    {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(m_key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
            return Fail();
        // The stored text need not end with a zero: keep room for one.
        std::vector<char> text(size + 1, '\0');
        LONG error = RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
        if (error == ERROR_MORE_DATA)
            continue;
        if (error != ERROR_SUCCESS || type != REG_SZ)
            return Fail();
        value.assign(text.data(), strnlen(text.data(), size));
        return Succeed();
    }
}

BOOL CRegistryKey::GetDword(DWORD& value, const char* name)
{
    if (m_key == nullptr)
        return Fail();
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    LONG error = RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (error != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data)
        return Fail();
    value = data;
    return Succeed();
}

BOOL CRegistryKey::GetBool(BOOL& value, const char* name)
{
    DWORD data = 0;
    if (!GetDword(data, name))
        return FALSE;
    value = data != 0 ? 1 : 0;
    return TRUE;
}

BOOL CRegistryKey::GetBinary(void* data, DWORD size, const char* name)
{
    if (m_key == nullptr)
        return Fail();
    DWORD type = 0;
    DWORD stored = 0;
    if (RegQueryValueExA(m_key, name, nullptr, &type, nullptr, &stored) != ERROR_SUCCESS || type != REG_BINARY ||
        stored != size)
        return Fail();
    LONG error = RegQueryValueExA(m_key, name, nullptr, &type, static_cast<BYTE*>(data), &stored);
    return Result(error == ERROR_SUCCESS && type == REG_BINARY && stored == size ? ERROR_SUCCESS : ERROR_INVALID_DATA);
}

BOOL CRegistryKey::DeleteTree()
{
    if (m_key == nullptr)
        return Fail();
    LONG error = DeleteRegistrySubkeys(m_key);
    if (error != ERROR_SUCCESS)
        return Fail();
    Close();
    return Result(RegDeleteKeyA(m_root, m_path.c_str()));
}

BOOL CRegistryKey::EnumSubkey(DWORD index, std::string& name)
{
    if (m_key == nullptr)
        return Fail();
    char buffer[101];
    DWORD length = sizeof buffer;
    if (RegEnumKeyExA(m_key, index, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return Fail();
    name.assign(buffer, length);
    return Succeed();
}

BOOL CRegistryKey::CopyToSibling(const char* newLastComponent)
{
    if (m_key == nullptr)
        return Fail();
    size_t separator = m_path.rfind('\\');
    // A component with a backslash would name a key inside this one, which the copy would then copy into itself.
    if (separator == std::string::npos || *newLastComponent == '\0' || std::strchr(newLastComponent, '\\') != nullptr)
        return Fail();
    if (lstrcmpiA(m_path.c_str() + separator + 1, newLastComponent) == 0)
        return Succeed();

    std::string siblingPath = m_path.substr(0, separator + 1) + newLastComponent;
    OwnedRegistryKey sibling;
    LONG error = RegCreateKeyExA(m_root, siblingPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                                 nullptr, sibling.Receive(), nullptr);
    if (error != ERROR_SUCCESS)
        return Fail();
    return Result(CopyRegistryTree(m_key, sibling.Get()));
}

BOOL CRegistryKey::Rename(const char* newLastComponent)
{
    if (!CopyToSibling(newLastComponent))
        return FALSE;
    size_t separator = m_path.rfind('\\');
    if (lstrcmpiA(m_path.c_str() + separator + 1, newLastComponent) == 0)
        return TRUE;
    return DeleteTree();
}
