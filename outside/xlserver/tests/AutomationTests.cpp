// The stand-in's objects as a client of IDispatch meets them: members by id, the row arrays of Value, and the
// refusal of every call it does not implement.
#include "AutomationServer.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <oleauto.h>

#include <string>
#include <vector>

namespace
{
class Automation : public testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterAutomationServer()); }
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        CLSID excel = {};
        CLSIDFromString(L"{00024500-0000-0000-C000-000000000046}", &excel);
        ASSERT_EQ(S_OK, CoCreateInstance(excel, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                         reinterpret_cast<void**>(&m_application)));
    }
    void TearDown() override
    {
        for (IDispatch* object : m_objects)
            object->Release();
        if (m_application)
            m_application->Release();
        CoUninitialize();
    }

    // Invoke with the arguments in their logical order; the exception's description goes to m_description.
    HRESULT Call(IDispatch* object, DISPID id, WORD kind, std::vector<VARIANT> arguments, VARIANT* result)
    {
        std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS parameters = {reversed.data(), kind == DISPATCH_PROPERTYPUT ? &put : nullptr,
                                 static_cast<UINT>(reversed.size()), kind == DISPATCH_PROPERTYPUT ? 1u : 0u};
        EXCEPINFO exception = {};
        VariantInit(result);
        const HRESULT code = object->Invoke(id, IID_NULL, 0x800, kind, &parameters, result, &exception, nullptr);
        m_description = exception.bstrDescription ? exception.bstrDescription : L"";
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrSource);
        return code;
    }
    IDispatch* Object(IDispatch* on, DISPID id, WORD kind = DISPATCH_PROPERTYGET, std::vector<VARIANT> arguments = {})
    {
        VARIANT result;
        EXPECT_EQ(S_OK, Call(on, id, kind, arguments, &result)) << id;
        EXPECT_EQ(VT_DISPATCH, V_VT(&result)) << id;
        if (V_VT(&result) != VT_DISPATCH)
            return nullptr;
        m_objects.push_back(V_DISPATCH(&result));
        return V_DISPATCH(&result);
    }
    static VARIANT Long(long value)
    {
        VARIANT v;
        V_VT(&v) = VT_I4;
        V_I4(&v) = value;
        return v;
    }

    IDispatch* m_application = nullptr;
    std::vector<IDispatch*> m_objects;
    std::wstring m_description;
};
}

TEST_F(Automation, ARowIsAnArrayOfAWholeWorksheetRowThatValueTakesBack)
{
    IDispatch* books = Object(m_application, 572);
    IDispatch* book = Object(books, 181, DISPATCH_METHOD);
    IDispatch* cells = Object(Object(book, 307), 238);
    IDispatch* row = Object(Object(cells, 170, DISPATCH_PROPERTYGET, {Long(2), Long(1)}), 247);
    ASSERT_NE(nullptr, row);
    VARIANT array;
    ASSERT_EQ(S_OK, Call(row, 6, DISPATCH_PROPERTYGET, {}, &array));
    ASSERT_EQ(VT_ARRAY | VT_VARIANT, V_VT(&array));
    LONG low = 0, high = 0;
    SafeArrayGetLBound(V_ARRAY(&array), 2, &low);
    SafeArrayGetUBound(V_ARRAY(&array), 2, &high);
    EXPECT_EQ(1, low);
    EXPECT_EQ(256, high);
    LONG at[2] = {1, 3};
    VARIANT text;
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"C2");
    SafeArrayPutElement(V_ARRAY(&array), at, &text);
    VariantClear(&text);
    VARIANT none;
    ASSERT_EQ(S_OK, Call(row, 6, DISPATCH_PROPERTYPUT, {array}, &none));
    VariantClear(&array);

    IDispatch* used = Object(Object(book, 307), 412);
    VARIANT value, count;
    ASSERT_EQ(S_OK, Call(used, 6, DISPATCH_PROPERTYGET, {}, &value));
    EXPECT_EQ(VT_BSTR, V_VT(&value));
    EXPECT_STREQ(L"C2", V_BSTR(&value));
    VariantClear(&value);
    ASSERT_EQ(S_OK, Call(used, 118, DISPATCH_PROPERTYGET, {}, &count));
    EXPECT_EQ(1, V_I4(&count));
}

TEST_F(Automation, WhatIsNotImplementedIsRefused)
{
    VARIANT result;
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Call(m_application, 999, DISPATCH_METHOD, {}, &result));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Call(m_application, 572, DISPATCH_METHOD, {}, &result));
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Call(m_application, 572, DISPATCH_PROPERTYGET, {Long(1)}, &result));
    IDispatch* books = Object(m_application, 572);
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Call(books, 682, DISPATCH_METHOD, {}, &result));

    IDispatch* cells = Object(Object(Object(books, 181, DISPATCH_METHOD), 307), 238);
    VARIANT date;
    V_VT(&date) = VT_DATE;
    V_DATE(&date) = 1;
    EXPECT_EQ(DISP_E_EXCEPTION, Call(cells, 6, DISPATCH_PROPERTYPUT, {date}, &result));
    EXPECT_EQ(L"Value accepts a two-dimensional array of variants only.", m_description);
    EXPECT_EQ(DISP_E_EXCEPTION, Call(cells, 170, DISPATCH_PROPERTYGET, {Long(65537), Long(1)}, &result));
    EXPECT_EQ(L"Item(65537, 1) lies outside the worksheet.", m_description);

    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(L"entirerow");
    EXPECT_EQ(S_OK, cells->GetIDsOfNames(IID_NULL, &name, 1, 0, &id));
    EXPECT_EQ(247, id);

    EXPECT_EQ(S_OK, Call(m_application, 302, DISPATCH_METHOD, {}, &result));
    EXPECT_EQ(DISP_E_EXCEPTION, Call(cells, 118, DISPATCH_PROPERTYGET, {}, &result));
    EXPECT_EQ(L"The application has quit.", m_description);
}
