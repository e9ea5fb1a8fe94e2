// The scenario of one library of the scripted fake data source: a section of "fakesource.ini" beside the library,
// named by the library's file name without extension, in capitals (for example [ZRTAS400]).
//
//   Side=host|pc|browser   which side the library plays (default host); with the transfer direction (profile
//                          parameter 3) it decides whether the library is read (source) or written (destination).
//   Fields=NAME:A:10,QTY:S:5  the layout a host source offers: name, A (character) or S (zoned), length.
//   Records=25             records a source holds.
//   Fail=Op | Op@n         the operation that fails: every call, or for GetField/PutField/NextField the call in
//                          record n, for the other operations the n-th call. "Factory" fails ZRTCreateObject.
//   CancelAt=n             sets the caller's cancel event once record n is complete.
//   RecordDelayMs=n        waits this long after each complete record.
//   LogFields=1            also logs GetField, PutField, NextField, GetRecordCount and a source's EndOfData.
//   PickAfterMs=n          browser: EndOfData turns TRUE n ms after the end field (a field of type 0) arrived.
//   PickAtRecord=n         browser: EndOfData turns TRUE once n records have arrived.
#pragma once

#include <string>
#include <vector>

struct FakeFieldDefinition
{
    std::string name;
    char kind = 'A';  // 'A' character, 'S' zoned
    int length = 0;
};

struct FakeScenario
{
    std::string side = "host";
    std::vector<FakeFieldDefinition> fields;
    int records = 0;
    std::string failOperation;
    int failAt = 0;  // 0: every call
    int cancelAt = 0;
    int recordDelayMs = 0;
    bool logFields = false;
    int pickAfterMs = 0;
    int pickAtRecord = 0;
};

// Reads the section of `library` from the scenario file in `folder`; a missing file or key keeps the default.
FakeScenario ReadFakeScenario(const std::string& folder, const std::string& library);
