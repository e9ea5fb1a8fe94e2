// The IDispatch that every object of the stand-in implements: members by fixed dispatch id, each a property get, a
// method, or a property with get and put, taking a fixed number of arguments. A call of another kind, with another
// number of arguments or with named arguments (but the put's own) is refused; a call that fails for a reason of the
// workbook raises an exception (DISP_E_EXCEPTION) whose EXCEPINFO carries a description.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <memory>
#include <string>
#include <vector>

struct Book;

// What all objects of one Application share: its open workbooks and whether it has quit.
struct ExcelState
{
    bool quit = false;
    std::vector<std::shared_ptr<Book>> books;
};

enum class MemberKind
{
    Get,
    Method,
    GetPut,
};

struct Member
{
    DISPID id;
    const wchar_t* name;
    MemberKind kind;
    UINT arguments;
};

// Objects alive in the process, for DllCanUnloadNow.
long LiveObjects();

class CAutomationObject : public IDispatch
{
public:
    explicit CAutomationObject(std::shared_ptr<ExcelState> state);
    virtual ~CAutomationObject();
    CAutomationObject(const CAutomationObject&) = delete;
    CAutomationObject& operator=(const CAutomationObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

protected:
    // The result of a call: S_OK, a DISP_E_ code, or DISP_E_EXCEPTION with the description set.
    struct Outcome
    {
        HRESULT code = S_OK;
        std::wstring description;
        UINT argument = 0;  // the argument at fault, for DISP_E_TYPEMISMATCH
    };
    static Outcome Raise(const std::wstring& description) { return Outcome{DISP_E_EXCEPTION, description, 0}; }

    virtual const char* TypeName() const = 0;
    virtual const std::vector<Member>& Members() const = 0;
    // Runs member `id` (its kind and argument count already checked). `arguments` holds them in their logical
    // order; `put` marks the property put, whose value is arguments[0].
    virtual Outcome Call(DISPID id, bool put, const std::vector<VARIANT*>& arguments, VARIANT* result) = 0;

    // An argument as a number or a text; DISP_E_TYPEMISMATCH when it cannot be one.
    static Outcome ArgumentAsLong(const std::vector<VARIANT*>& arguments, UINT index, long& value);
    static Outcome ArgumentAsText(const std::vector<VARIANT*>& arguments, UINT index, std::wstring& text);
    // Hands `object` out as the VT_DISPATCH result (the result holds the only reference).
    static void ReturnObject(CAutomationObject* object, VARIANT* result);

    std::shared_ptr<ExcelState> m_state;

private:
    LONG m_references = 1;
};
