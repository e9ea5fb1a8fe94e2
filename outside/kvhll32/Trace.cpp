#include "Trace.h"

namespace kvhll
{

Trace::~Trace()
{
    SetFile(std::string());
}

void Trace::SetFile(const std::string& path)
{
    if (path == path_ && (IsOn() || path.empty()))
    {
        return;
    }
    file_.Reset();
    path_ = path;
    if (!path.empty())
    {
        file_.Reset(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
}

void Trace::Line(const std::string& text)
{
    if (!IsOn())
    {
        return;
    }
    std::string line = text + "\r\n";
    DWORD written = 0;
    WriteFile(file_.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

std::string Trace::Quote(std::string_view text)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (char c : text)
    {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E || c == '"' || c == '\\')
        {
            quoted += "\\x";
            quoted += kDigits[byte >> 4];
            quoted += kDigits[byte & 0x0F];
        }
        else
        {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace kvhll
