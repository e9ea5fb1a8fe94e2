// The trace file: one line per bridge call, appended and flushed at once so that a test can read it while
// the bridge is loaded.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "OwnedHandles.h"

namespace kvhll
{

class Trace
{
public:
    Trace() = default;
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;
    ~Trace();

    // An empty path ends the trace.
    void SetFile(const std::string& path);
    bool IsOn() const { return file_.IsValid(); }
    void Line(const std::string& text);

    // Text between double quotes, with '"', '\' and characters outside printable ASCII as \xNN.
    static std::string Quote(std::string_view text);

private:
    std::string path_;
    OwnedFile file_;
};

}  // namespace kvhll
