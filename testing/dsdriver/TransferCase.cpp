#include "TransferCase.h"

#include <cstdio>

namespace
{
std::string Quoted(const std::vector<std::string>& texts)
{
    std::string joined = "{";
    for (const std::string& text : texts)
        joined += " \"" + Escaped(text) + "\"";
    return joined + " }";
}
}

std::string Escaped(const std::string& bytes)
{
    std::string text;
    for (unsigned char c : bytes)
    {
        if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n\n";
        else if (c == '\t')
            text += "\\t";
        else if (c == '\\')
            text += "\\\\";
        else if (c < 0x20 || c >= 0x7F)
        {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            text += hex;
        }
        else
            text += static_cast<char>(c);
    }
    return text;
}

testing::AssertionResult RunTransferCase(TransferRunner& runner, const TransferCase& transferCase)
{
    const TransferOutcome outcome = transferCase.direction == ZRDIR_HOST_TO_PC ? runner.ToPc(transferCase.transfer)
                                                                               : runner.FromPc(transferCase.transfer);
    testing::AssertionResult result = testing::AssertionSuccess();
    auto fail = [&](const std::string& what) {
        if (result)
            result = testing::AssertionFailure() << transferCase.name << ":";
        result << "\n  " << what;
    };
    if (outcome.Succeeded() != transferCase.succeeds)
        fail(transferCase.succeeds ? "the transfer failed" : "the transfer succeeded");
    if (outcome.ErrorTexts() != transferCase.errors)
        fail("messages " + Quoted(outcome.ErrorTexts()) + "\n  expected " + Quoted(transferCase.errors));
    if (transferCase.file && outcome.file != transferCase.file)
        fail("file\n" + Escaped(outcome.file.value_or("(none)")) + "\n  expected\n" + Escaped(*transferCase.file));
    if (transferCase.records && outcome.records != *transferCase.records)
    {
        std::string got;
        for (const auto& record : outcome.records)
            got += "\n    " + Quoted(record);
        std::string expected;
        for (const auto& record : *transferCase.records)
            expected += "\n    " + Quoted(record);
        fail("records" + got + "\n  expected" + expected);
    }
    return result;
}
