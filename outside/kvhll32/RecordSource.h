// The records a simulated host sends in a read, in the form they travel (display forms, characters or bytes),
// handed out one at a time as the host fills its buffers.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RecordFile.h"

namespace kvhll
{

class RecordSource
{
public:
    virtual ~RecordSource() = default;
    virtual size_t Count() const = 0;
    // The next record; FALSE when none is left or the store can no longer be read.
    virtual bool Next(std::string& record) = 0;
};

// Records held in memory (the host's list files).
class ListedRecords : public RecordSource
{
public:
    explicit ListedRecords(std::vector<std::string> records) : records_(std::move(records)) {}
    size_t Count() const override { return records_.size(); }
    bool Next(std::string& record) override;

private:
    std::vector<std::string> records_;
    size_t next_ = 0;
};

// The records of a member or file in the store, read as they are sent, so that memory does not grow with the
// member. Opening reads the file once to count the records and to check that each can be read and converted: a
// damaged record is refused before anything is sent, as a host that checks the member first would.
class StoredRecords : public RecordSource
{
public:
    // Turns a stored record into the form it travels in; FALSE with the index of the field that cannot be.
    using Convert = std::function<bool(const std::string& stored, std::string& sent, int& badField)>;
    enum class Check
    {
        Ok,
        CannotOpen,
        Damaged,
        BadValue
    };

    Check Open(const std::string& path, size_t recordLength, Convert convert);
    // After Damaged or BadValue: the 1-based record, and with BadValue the field.
    size_t BadRecord() const { return badRecord_; }
    int BadField() const { return badField_; }

    size_t Count() const override { return count_; }
    bool Next(std::string& record) override;
    // Lets the file go once the read has ended.
    void Close() { reader_.Close(); }

private:
    Convert convert_;
    RecordFileReader reader_;
    std::string stored_;
    size_t count_ = 0;
    size_t badRecord_ = 0;
    int badField_ = 0;
};

}  // namespace kvhll
