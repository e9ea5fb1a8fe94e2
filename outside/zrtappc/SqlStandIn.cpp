#include "SqlStandIn.h"

#include "DisplayForm.h"
#include "OwnedHandles.h"
#include "SqlStandInTexts.h"

#include <ReportError.h>

#include <cstring>
#include <new>

namespace
{
const char kSource[] = "SqlStandIn";

int HostTypeOf(char letter)
{
    switch (letter)
    {
    case 'P':
        return HFT_PACKED;
    case 'S':
        return HFT_ZONED;
    case 'B':
        return HFT_BINARY;
    default:
        return HFT_CHARACTER;
    }
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}

CDataSource* MakeSqlDataSource(const SqlStandInKind& kind, const ProfileCallbacks* profile,
                               const ErrorSinkFunctions* errorSink, HMODULE module)
{
    int direction = 0;
    if (!profile->GetGeneral(ZRP_DIRECTION, &direction))
        return nullptr;
    if (direction != ZRDIR_HOST_TO_PC)
    {
        ReportError(kSource, __LINE__, errorSink, module, IDS_SQL_DIRECTION);
        return nullptr;
    }
    return new (std::nothrow) CSqlDataSource(kind);
}

BOOL CSqlDataSource::Fail(UINT id, const char* argument, const char* second)
{
    ReportError(kSource, __LINE__, m_errorSink, m_module, id, argument, second);
    return FALSE;
}

std::string CSqlDataSource::LibraryFolder() const
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(m_module, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return ".";
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

BOOL CSqlDataSource::Connect()
{
    char named[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("ZRT_HOST_DIR", named, sizeof named);
    std::string folder = length > 0 && length < sizeof named ? std::string(named) : LibraryFolder() + "\\host";
    char full[MAX_PATH];
    length = GetFullPathNameA(folder.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full || !IsFolder(full))
    {
        m_store.clear();
        return Fail(IDS_SQL_NO_STORE, folder.c_str());
    }
    m_store = full;
    return TRUE;
}

BOOL CSqlDataSource::Open(HANDLE cancelEvent)
{
    CDataSource::Open(cancelEvent);
    m_recordCount = 0;
    m_hasRecord = false;
    m_table.Close();
    FreeRecordLayout(m_layout);
    std::string statement;
    return (!m_store.empty() || Connect()) && ReadStatement(statement) && LogStatement(statement) &&
           OpenTable(statement) && MakeLayout() && LoadRecord();
}

BOOL CSqlDataSource::ReadStatement(std::string& statement)
{
    int size = m_profile->GetHostSize(ZRP_SQL_STATEMENT);
    if (size < 1)
        return Fail(IDS_SQL_NO_STATEMENT);
    std::vector<char> text(size + 1, '\0');
    if (!m_profile->GetHost(ZRP_SQL_STATEMENT, text.data()))
        return Fail(IDS_SQL_NO_STATEMENT);
    statement = text.data();
    return TRUE;
}

BOOL CSqlDataSource::LogStatement(const std::string& statement)
{
    const std::string path = LibraryFolder() + "\\" + m_kind.name + ".log";
    OwnedFile file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return Fail(IDS_SQL_LOG, path.c_str());
    const std::string line = "statement: \"" + statement + "\"\r\n";
    DWORD written = 0;
    bool ok = WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
              written == line.size();
    return ok ? TRUE : Fail(IDS_SQL_LOG, path.c_str());
}

BOOL CSqlDataSource::OpenTable(const std::string& statement)
{
    PlainSelectTable table;
    if (!ParsePlainSelect(statement, m_kind.syntax, table))
        return Fail(IDS_SQL_NOT_PLAIN, statement.c_str());
    m_tableName = table.library + (m_kind.syntax == TableSyntax::Appc ? "/" : ".") + table.file;
    switch (m_table.Open(m_store, table))
    {
    case StoreResult::Ok:
        return TRUE;
    case StoreResult::NoTable:
        return Fail(IDS_SQL_NO_TABLE, m_tableName.c_str(), m_store.c_str());
    case StoreResult::NoMember:
        return Fail(IDS_SQL_NO_MEMBER, m_tableName.c_str(), table.member.empty() ? "*FIRST" : table.member.c_str());
    case StoreResult::CannotRead:
        return Fail(IDS_SQL_CANNOT_READ, m_tableName.c_str());
    default:
        return Fail(IDS_SQL_BAD_DESCRIPTION, m_tableName.c_str());
    }
}

BOOL CSqlDataSource::MakeLayout()
{
    const std::vector<HostColumn>& columns = m_table.Columns();
    if (!AllocateLayoutFields(m_layout, static_cast<int>(columns.size())))
        return Fail(IDS_SQL_LAYOUT, m_tableName.c_str());
    for (size_t i = 0; i < columns.size(); ++i)
    {
        DSField& field = m_layout.fields[i];
        const HostColumn& column = columns[i];
        lstrcpynA(field.name, column.name.c_str(), sizeof field.name);
        lstrcpynA(field.text, column.text.c_str(), sizeof field.text);
        field.type = HostTypeOf(column.type);
        field.length = static_cast<short>(DisplayLength(column.type, column.length, column.decimals));
        field.decimals = static_cast<short>(column.decimals);
    }
    if (!BuildRecordBuffer(m_layout))
    {
        FreeRecordLayout(m_layout);
        return Fail(IDS_SQL_LAYOUT, m_tableName.c_str());
    }
    m_stored.assign(m_table.RecordLength(), 0);
    return TRUE;
}

BOOL CSqlDataSource::LoadRecord()
{
    m_hasRecord = false;
    StoreResult read = m_table.Next(m_stored.data());
    if (read == StoreResult::End)
        return TRUE;
    const std::vector<HostColumn>& columns = m_table.Columns();
    const unsigned char* stored = m_stored.data();
    bool valid = read == StoreResult::Ok;
    for (size_t i = 0; valid && i < columns.size(); ++i)
    {
        const HostColumn& column = columns[i];
        auto* display = reinterpret_cast<unsigned char*>(m_layout.fields[i].value);
        if (column.type == 'A')
            memcpy(display, stored, column.length);
        else
            valid = FormatDisplayNumber(column.type, column.length, column.decimals, stored, display);
        stored += StoredBytes(column.type, column.length);
    }
    if (!valid)
        return Fail(IDS_SQL_BAD_RECORD, std::to_string(m_table.LineNumber()).c_str(), m_tableName.c_str());
    m_hasRecord = true;
    return TRUE;
}

BOOL CSqlDataSource::GetField(DSField* field)
{
    return m_hasRecord && CopyCurrentField(m_layout, field);
}

BOOL CSqlDataSource::NextField()
{
    if (!m_hasRecord || m_layout.count == 0)
        return FALSE;
    if (++m_layout.current < m_layout.count)
        return TRUE;
    m_layout.current = 0;
    ++m_recordCount;
    return LoadRecord();
}

BOOL CSqlDataSource::EndOfData()
{
    return !m_hasRecord;
}

BOOL CSqlDataSource::Close()
{
    m_table.Close();
    m_hasRecord = false;
    return CDataSource::Close();
}
