// The text writers at the edges of the ways they move values: quotes and blanks at every place of short texts,
// leading blanks and zeros of numbers of every width, and lines that may take more than the room kept free in the
// buffer, so that they are written whole or value by value through the buffer's end.
#include "NumberText.h"
#include "PcFileTestSupport.h"

#include <algorithm>
#include <cstring>

namespace
{
using Records = std::vector<std::vector<std::string>>;

struct TextFormat
{
    int type;
    const char* separator;
    bool quotes;
};

const TextFormat kDelimited[] = {{PCFT_TAB, "\t", true}, {PCFT_CSV, ",", true}, {PCFT_PRN, " ", true}};

// The value as a line holds it: cut of its trailing blanks when blanks are removed, quoted with its quotes doubled.
std::string TextAsWritten(std::string value, bool removeBlanks, bool quotes)
{
    if (removeBlanks)
        value.erase(value.find_last_not_of(' ') + 1);
    if (!quotes)
        return value;
    std::string text = "\"";
    for (char c : value)
        text += c == '"' ? std::string("\"\"") : std::string(1, c);
    return text + "\"";
}

std::string NumberAsWritten(const std::string& value, bool removeBlanks)
{
    if (!removeBlanks)
        return value;
    const size_t kept = value.find_first_not_of(" 0");
    return kept == std::string::npos ? "0" : value.substr(kept);
}

// The expected file: every value as written, joined by the separator, each line ended by CR LF.
std::string Lines(const Records& records, const std::vector<bool>& isText, const char* separator, bool removeBlanks,
                  bool quotes)
{
    std::string file;
    for (const std::vector<std::string>& record : records)
    {
        for (size_t i = 0; i < record.size(); ++i)
        {
            if (i > 0)
                file += separator;
            file += isText[i] ? TextAsWritten(record[i], removeBlanks, quotes)
                              : NumberAsWritten(record[i], removeBlanks);
        }
        file += "\r\n";
    }
    return file;
}

class TextWriterEdges : public testing::Test
{
protected:
    TransferRunner m_runner;
};
}

TEST_F(TextWriterEdges, QuotesAndBlanksStandAtEveryPlaceOfTextsOfNoneToSeventeenCharacters)
{
    // One field of each width 0..17; values of one quote at each place (around the groups of eight characters),
    // quotes side by side across a group's end, only quotes, only blanks, and text ending in blanks of every count.
    PcTransfer transfer;
    std::vector<bool> isText;
    for (int width = 0; width <= 17; ++width)
    {
        transfer.fields.push_back({"T", HFT_CHARACTER, width, 0});
        isText.push_back(true);
    }
    const auto record = [](auto valueOf) {
        std::vector<std::string> values;
        for (size_t width = 0; width <= 17; ++width)
            values.push_back(valueOf(width));
        return values;
    };
    for (size_t at = 0; at < 17; ++at)
    {
        transfer.records.push_back(record([at](size_t width) {
            std::string value(width, static_cast<char>('a' + at));
            if (at < width)
                value[at] = '"';
            return value;
        }));
        transfer.records.push_back(record([at](size_t width) {
            std::string value = std::string(std::min(at, width), 'q') + "\"\"";
            value.resize(width, ' ');
            return value;
        }));
        transfer.records.push_back(record([at](size_t width) {
            return std::string(width - std::min(at, width), 'b') + std::string(std::min(at, width), ' ');
        }));
    }
    transfer.records.push_back(record([](size_t width) { return std::string(width, '"'); }));
    transfer.records.push_back(record([](size_t width) { return std::string(width, ' '); }));
    transfer.records.push_back(record([](size_t width) {
        std::string value(width, '"');
        if (width > 0)
            value[0] = ' ';
        return value;
    }));
    for (const TextFormat& format : kDelimited)
        for (bool removeBlanks : {false, true})
        {
            transfer.fileType = format.type;
            transfer.profile = {{ZRP_REMOVE_BLANKS, removeBlanks ? 1 : 0}};
            EXPECT_BYTES(WriteFile(m_runner, transfer),
                         Lines(transfer.records, isText, format.separator, removeBlanks, format.quotes))
                << format.type << "/" << removeBlanks;
        }
    transfer.fileType = PCFT_TXT;
    transfer.profile = {{ZRP_REMOVE_BLANKS, 1}};
    EXPECT_BYTES(WriteFile(m_runner, transfer), Lines(transfer.records, isText, "", true, false));
}

TEST_F(TextWriterEdges, LeadingBlanksAndZerosOfNumbersOfEveryWidthAreRemoved)
{
    // Numbers of widths 1..20 whose first other character stands at each place, or that hold none.
    PcTransfer transfer;
    std::vector<bool> isText;
    for (int width = 1; width <= 20; ++width)
    {
        transfer.fields.push_back({"N", HFT_ZONED, width, 0});
        isText.push_back(false);
    }
    for (size_t at = 0; at <= 20; ++at)
        for (const char* digits : {"7", "-10", "305"})
        {
            std::vector<std::string> record;
            for (size_t width = 1; width <= 20; ++width)
            {
                std::string value;
                for (size_t i = 0; i < width; ++i)
                    value += i < at ? " 0"[(i + at) % 2] : digits[(i - at) % 3 % std::strlen(digits)];
                record.push_back(value);
            }
            transfer.records.push_back(record);
        }
    for (int type : {PCFT_TXT, PCFT_CSV})
        for (bool removeBlanks : {false, true})
        {
            transfer.fileType = type;
            transfer.profile = {{ZRP_REMOVE_BLANKS, removeBlanks ? 1 : 0}};
            EXPECT_BYTES(WriteFile(m_runner, transfer),
                         Lines(transfer.records, isText, type == PCFT_CSV ? "," : "", removeBlanks, false))
                << type << "/" << removeBlanks;
        }
}

TEST_F(TextWriterEdges, LinesLongerThanTheRoomKeptFreeAreWrittenWholeWhereverTheBufferEnds)
{
    // A text and a number whose line may take more than the 4,000 bytes kept free before each record, with texts
    // of many lengths and numbers of quotes: at some records the buffer's free room is less than the line may take,
    // and the line goes value by value, a value through the buffer's end.
    struct Case
    {
        int type;
        const char* separator;
        bool quotes;
        int width;
    };
    const Case cases[] = {{PCFT_CSV, ",", true, 1995}, {PCFT_CSV, ",", true, 3000}, {PCFT_TAB, "\t", true, 3000},
                          {PCFT_PRN, " ", true, 3500}, {PCFT_TXT, "", false, 3990}, {PCFT_TXT, "", false, 4608},
                          {PCFT_TXT, "", false, 5000}, {PCFT_DLM, "", false, 4608}};
    const std::vector<bool> isText = {true, false};
    for (const Case& format : cases)
    {
        PcTransfer transfer;
        transfer.fileType = format.type;
        transfer.fields = {{"TEXT", HFT_CHARACTER, format.width, 0}, {"QTY", HFT_ZONED, 5, 0}};
        for (size_t i = 0; i < 100; ++i)
        {
            const size_t filled = i * 7919 % format.width;
            std::string text = i % 2 ? std::string(filled, '"') + std::string(format.width - filled, 'a')
                                     : std::string(filled, 'a') + std::string(format.width - filled, ' ');
            transfer.records.push_back({text, i % 3 ? " 0042" : "-0001"});
        }
        for (bool removeBlanks : {false, true})
        {
            transfer.profile = {{ZRP_REMOVE_BLANKS, removeBlanks ? 1 : 0}};
            const std::string file = WriteFile(m_runner, transfer);
            // The DLM line is the record as it stands, blanks kept.
            const bool cut = removeBlanks && format.type != PCFT_DLM;
            EXPECT_TRUE(file == Lines(transfer.records, isText, format.separator, cut, format.quotes))
                << format.type << "/" << format.width << "/" << removeBlanks << ": " << file.size() << " bytes";
        }
    }
}

TEST(TextScans, TrailingBlanksAndLeadingBlanksAndZerosAreFoundAtEveryPlace)
{
    for (size_t length = 0; length <= 20; ++length)
        for (size_t kept = 0; kept <= length; ++kept)
        {
            const std::string text = std::string(kept, 'x') + std::string(length - kept, ' ');
            EXPECT_EQ(LengthWithoutTrailingBlanks(text.data(), length), kept) << length << "/" << kept;
            std::string number;
            for (size_t i = 0; i < length; ++i)
                number += i < kept ? " 0"[i % 2] : "1 0"[(i - kept) % 3];
            EXPECT_EQ(LeadingBlanksAndZeros(number.data(), length), kept) << length << "/" << kept;
        }
}
