#include "Automation.h"

#include "ServerTexts.h"
#include "SpreadsheetXml.h"
#include "XlServerTexts.h"
#include "Trace.h"

#include <cstdio>

namespace
{
LONG g_liveObjects = 0;

const wchar_t kExceptionSource[] = L"XlServer";
// Excel's own code for a failed call, in the exception's scode.
constexpr SCODE kExcelCallFailed = static_cast<SCODE>(0x800A03EC);

std::string KindText(WORD flags)
{
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
        return "put";
    if (flags & DISPATCH_PROPERTYGET)
        return "get";
    return "method";
}

std::string ArgumentText(const VARIANT* argument)
{
    const VARIANT* value = argument;
    if (V_VT(value) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(value))
        value = V_VARIANTREF(value);
    char text[64];
    switch (V_VT(value))
    {
    case VT_I2:
        return std::to_string(V_I2(value));
    case VT_I4:
        return std::to_string(V_I4(value));
    case VT_R8:
        std::snprintf(text, sizeof text, "%.17g", V_R8(value));
        return text;
    case VT_BSTR:
        return "\"" + Utf8(V_BSTR(value) ? V_BSTR(value) : L"") + "\"";
    default:
        if (V_VT(value) & VT_ARRAY)
            return "array";
        std::snprintf(text, sizeof text, "vt%u", static_cast<unsigned>(V_VT(value)));
        return text;
    }
}

bool KindFits(MemberKind kind, WORD flags, bool put)
{
    if (put)
        return kind == MemberKind::GetPut;
    if (kind == MemberKind::Method)
        return (flags & DISPATCH_METHOD) != 0;
    return (flags & DISPATCH_PROPERTYGET) != 0;
}
}

long LiveObjects()
{
    return InterlockedCompareExchange(&g_liveObjects, 0, 0);
}

CAutomationObject::CAutomationObject(std::shared_ptr<ExcelState> state) : m_state(std::move(state))
{
    InterlockedIncrement(&g_liveObjects);
}

CAutomationObject::~CAutomationObject()
{
    InterlockedDecrement(&g_liveObjects);
}

HRESULT CAutomationObject::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch))
    {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CAutomationObject::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG CAutomationObject::Release()
{
    LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT CAutomationObject::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT CAutomationObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT CAutomationObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    // Only the member's own name is known; names of its arguments are not.
    for (const Member& member : Members())
        if (names[0] && lstrcmpiW(names[0], member.name) == 0)
        {
            ids[0] = member.id;
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    return DISP_E_UNKNOWNNAME;
}

HRESULT CAutomationObject::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                  EXCEPINFO* exception, UINT* argumentError)
{
    const Member* member = nullptr;
    for (const Member& candidate : Members())
        if (candidate.id == id)
            member = &candidate;
    const bool put = (flags & DISPATCH_PROPERTYPUT) != 0;
    const UINT count = params ? params->cArgs : 0;
    const UINT named = params ? params->cNamedArgs : 0;
    std::vector<VARIANT*> arguments;
    for (UINT i = 0; i < count; ++i)
        arguments.push_back(&params->rgvarg[count - 1 - i]);

    Outcome outcome;
    VARIANT value;
    VariantInit(&value);
    if (!IsEqualIID(riid, IID_NULL))
        outcome.code = DISP_E_UNKNOWNINTERFACE;
    else if (!member || !KindFits(member->kind, flags, put))
        outcome.code = DISP_E_MEMBERNOTFOUND;
    else if (put && (named != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT))
        outcome.code = DISP_E_PARAMNOTOPTIONAL;
    else if (!put && named != 0)
        outcome.code = DISP_E_NONAMEDARGS;
    else if (count != (put ? 1 : member->arguments))
        outcome.code = DISP_E_BADPARAMCOUNT;
    else if (m_state->quit)
        outcome = Raise(ServerText(IDS_QUIT));
    else
    {
        try
        {
            outcome = Call(id, put, arguments, &value);
        }
        catch (...)
        {
            VariantClear(&value);
            outcome = Outcome{E_OUTOFMEMORY, L"", 0};
        }
    }

    std::string line = std::string("invoke ") + TypeName() + "." + (member ? Utf8(member->name) : std::string("?")) +
                       " " + std::to_string(id) + " " + KindText(flags) + " (";
    for (UINT i = 0; i < count; ++i)
        line += (i ? ", " : "") + ArgumentText(arguments[i]);
    char code[16];
    std::snprintf(code, sizeof code, "%08lX", static_cast<unsigned long>(outcome.code));
    TraceLine(line + ") -> " + code);

    if (outcome.code == DISP_E_EXCEPTION && exception)
    {
        *exception = EXCEPINFO{};
        exception->scode = kExcelCallFailed;
        exception->bstrSource = SysAllocString(kExceptionSource);
        exception->bstrDescription = SysAllocString(outcome.description.c_str());
    }
    if (outcome.code == DISP_E_TYPEMISMATCH && argumentError)
        *argumentError = count - 1 - outcome.argument;
    if (outcome.code == S_OK && result)
        *result = value;
    else
        VariantClear(&value);
    return outcome.code;
}

CAutomationObject::Outcome CAutomationObject::ArgumentAsLong(const std::vector<VARIANT*>& arguments, UINT index,
                                                             long& value)
{
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, arguments[index], 0, VT_I4)))
        return Outcome{DISP_E_TYPEMISMATCH, L"", index};
    value = V_I4(&converted);
    return Outcome{};
}

CAutomationObject::Outcome CAutomationObject::ArgumentAsText(const std::vector<VARIANT*>& arguments, UINT index,
                                                             std::wstring& text)
{
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, arguments[index], 0, VT_BSTR)))
        return Outcome{DISP_E_TYPEMISMATCH, L"", index};
    text = V_BSTR(&converted) ? V_BSTR(&converted) : L"";
    VariantClear(&converted);
    return Outcome{};
}

void CAutomationObject::ReturnObject(CAutomationObject* object, VARIANT* result)
{
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = object;
}
