#include "RecordSource.h"

namespace kvhll
{

bool ListedRecords::Next(std::string& record)
{
    if (next_ >= records_.size())
    {
        return false;
    }
    record = records_[next_++];
    return true;
}

StoredRecords::Check StoredRecords::Open(const std::string& path, size_t recordLength, Convert convert)
{
    convert_ = std::move(convert);
    count_ = 0;
    RecordFileReader check;
    if (check.Open(path, recordLength) != RecordFileResult::Ok)
    {
        return Check::CannotOpen;
    }
    std::string sent;
    while (check.Next(stored_))
    {
        if (!convert_(stored_, sent, badField_))
        {
            badRecord_ = check.Number();
            return Check::BadValue;
        }
        ++count_;
    }
    switch (check.Result())
    {
    case RecordFileResult::Ok:
        break;
    case RecordFileResult::Damaged:
        badRecord_ = check.Number();
        return Check::Damaged;
    case RecordFileResult::CannotOpen:
        return Check::CannotOpen;
    }
    return reader_.Open(path, recordLength) == RecordFileResult::Ok ? Check::Ok : Check::CannotOpen;
}

bool StoredRecords::Next(std::string& record)
{
    int badField = 0;
    return reader_.Next(stored_) && convert_(stored_, record, badField);
}

}  // namespace kvhll
