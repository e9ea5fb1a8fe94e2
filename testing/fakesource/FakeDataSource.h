// One data-source object of the scripted fake: a host, PC or browser side that reads records made from its
// scenario or takes the records of the other side, logging its calls.
#pragma once

#include "FakeScenario.h"
#include "OwnedHandles.h"

#include <ZRContracts.h>

#include <map>
#include <string>
#include <vector>

class CFakeDataSource
{
public:
    CFakeDataSource(const std::string& name, const FakeScenario& scenario, bool isSource,
                    const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                    const EnvironmentCallbacks* environment);
    CFakeDataSource(const CFakeDataSource&) = delete;
    CFakeDataSource& operator=(const CFakeDataSource&) = delete;

    BOOL Connect();
    BOOL QueryInfo(char* text, int* number1, int* number2);
    BOOL Disconnect();
    BOOL Open(HANDLE cancelEvent);
    BOOL GetRecordLayout(DSRecordLayout** layout);
    BOOL SetRecordLayout(const DSRecordLayout* otherSide);
    BOOL Close();
    BOOL GetField(DSField* field);
    BOOL PutField(const DSField* otherSide);
    BOOL NextField();
    BOOL EndOfData();
    int GetRecordCount();

private:
    void Log(const std::string& text) const;
    bool Fails(const char* operation, bool perRecord);
    void BuildLayout(const std::vector<DSField>& descriptions, const std::vector<bool>& zoned);
    void FillRecord(int number);
    void RecordComplete();
    std::string RecordText() const;
    bool Picked() const;

    std::string m_name;
    FakeScenario m_scenario;
    bool m_isSource;
    bool m_isHost;
    bool m_isBrowser;
    const ProfileCallbacks* m_profile;
    const ErrorSinkFunctions* m_errorSink;
    const EnvironmentCallbacks* m_environment;
    std::map<std::string, int> m_calls;
    std::vector<DSField> m_fields;
    std::vector<char> m_buffer;
    std::vector<bool> m_zoned;  // per field: zoned digits rather than text
    DSRecordLayout m_layout = {};
    int m_count = 0;
    OwnedEvent m_cancelEvent;
    DWORD m_endFieldTime = 0;
    bool m_endFieldSeen = false;
};
