#include "Session.h"

#include <algorithm>

#include "As400Host.h"
#include "CodePage037.h"
#include "Keys.h"
#include "S36Host.h"

namespace kvhll
{

bool Session::IsDisplay() const
{
    return settings_.kind == SessionKind::As400 || settings_.kind == SessionKind::S36 ||
           settings_.kind == SessionKind::Inactive;
}

bool Session::IsHostDisplay() const
{
    return host_ != nullptr;
}

void Session::Configure(const SessionSettings& settings, const std::string& storeFolder, HostTime now)
{
    SessionKind before = host_ ? settings_.kind : SessionKind::None;
    if (settings.damageSeed != settings_.damageSeed)
    {
        answersDamaged_ = 0;
    }
    settings_ = settings;
    environment_.storeFolder = storeFolder;
    environment_.switches = settings.host;
    if (settings.kind == before)
    {
        return;
    }
    waitingForHost_ = false;
    changePending_ = false;
    typingError_ = false;
    host_.reset();
    if (settings.kind == SessionKind::As400)
    {
        host_ = std::make_unique<As400Host>(environment_);
    }
    else if (settings.kind == SessionKind::S36)
    {
        host_ = std::make_unique<S36Host>(environment_);
    }
    screen_.Clear();
    if (host_)
    {
        Show(host_->FirstScreen(), now);
    }
}

bool Session::InputInhibited() const
{
    return waitingForHost_ || settings_.keyboardLocked;
}

bool Session::OperatorError() const
{
    return typingError_ || settings_.operatorError;
}

int Session::SendKeys(std::string_view text, HostTime now)
{
    std::vector<Key> keys;
    if (!ParseKeys(text, keys))
    {
        return 2;
    }
    for (const Key& key : keys)
    {
        if (key.kind == Key::Kind::Reset)
        {
            typingError_ = false;
            continue;
        }
        if (InputInhibited() || OperatorError())
        {
            return 5;
        }
        if (key.kind == Key::Kind::Aid)
        {
            PressAid(key.value, now);
            continue;
        }
        int at = screen_.cursor - 1;
        if (!screen_.input[at])
        {
            typingError_ = true;
            return 0;
        }
        screen_.cells[at] = AnsiToEbcdic(static_cast<unsigned char>(key.value));
        screen_.modified[at] = true;
        screen_.cursor = screen_.cursor % kScreenSize + 1;
    }
    return 0;
}

void Session::PressAid(char aid, HostTime now)
{
    waitingForHost_ = true;
    changePending_ = false;
    scripted_ = !settings_.updateScript.empty();
    if (scripted_)
    {
        for (const HostUpdate& update : settings_.updateScript)
        {
            Announce(update);
        }
    }
    else
    {
        Announce(HostUpdate{21, 0x100});
    }
    answer_ = host_->Answer(aid, screen_);
    answerFrom_ = now;
    Tick(now);
}

void Session::ApplyAnswer(HostTime now)
{
    waitingForHost_ = false;
    if (settings_.damageSeed != 0)
    {
        DamageReplyLine(answer_);
    }
    bool changed = answer_.cells != screen_.cells;
    Show(answer_, now);
    if (!scripted_)
    {
        Announce(HostUpdate{changed ? 23 : 21, 0x200});
    }
}

void Session::DamageReplyLine(Screen& screen)
{
    // The reply line: 15 characters from (1, 3). The bytes depend only on the seed and the answer's number.
    constexpr int kReplyStart = 2;
    constexpr int kReplyLength = 15;
    unsigned state = settings_.damageSeed * 2654435761u + ++answersDamaged_ * 40503u;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 16;
    };
    // Characters that no reply holds at any of its places: never a reply code, a digit, a marker or a blank.
    static const char kForeign[] = "?!%#/Z";
    for (int i = 0; i < settings_.damageBytes; ++i)
    {
        const unsigned at = next() % kReplyLength;
        const char foreign = kForeign[next() % (sizeof kForeign - 1)];
        screen.cells[kReplyStart + at] = AnsiToEbcdic(static_cast<unsigned char>(foreign));
    }
}

void Session::Show(const Screen& screen, HostTime now)
{
    screen_ = screen;
    screen_.modified.fill(false);
    changeDelay_ = FromMilliseconds(host_->ChangeDelay());
    changePending_ = changeDelay_ > 0;
    changeFrom_ = now;
    if (observer_)
    {
        observer_(letter_, screen_);
    }
}

void Session::Tick(HostTime now)
{
    if (waitingForHost_ && settings_.keepSignalling && updates_.empty())
    {
        Announce(HostUpdate{22, 0});
    }
    if (waitingForHost_ && !settings_.neverAnswer && now - answerFrom_ >= FromMilliseconds(settings_.replyDelayMs))
    {
        ApplyAnswer(now);
    }
    if (changePending_ && !waitingForHost_ && now - changeFrom_ >= changeDelay_)
    {
        Screen before = screen_;
        Show(host_->Change(screen_), now);
        if (before.cells != screen_.cells)
        {
            Announce(HostUpdate{22, 0});
        }
    }
}

HostTime Session::Due(HostTime now) const
{
    auto remaining = [now](HostTime from, HostTime delay) {
        HostTime passed = now - from;
        return passed >= delay ? 0 : delay - passed;
    };
    HostTime due = kNever;
    if (waitingForHost_ && !settings_.neverAnswer)
    {
        due = remaining(answerFrom_, FromMilliseconds(settings_.replyDelayMs));
    }
    if (changePending_ && !waitingForHost_)
    {
        due = std::min(due, remaining(changeFrom_, changeDelay_));
    }
    return due;
}

HANDLE Session::StartNotification()
{
    if (!event_)
    {
        event_.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    }
    ResetEvent(event_.Get());
    updates_.clear();
    notifying_ = event_.IsValid();
    return event_.Get();
}

void Session::StopNotification()
{
    notifying_ = false;
    updates_.clear();
}

void Session::Announce(const HostUpdate& update)
{
    if (!notifying_)
    {
        return;
    }
    updates_.push_back(update);
    SetEvent(event_.Get());
}

bool Session::NextUpdate(HostUpdate& update)
{
    if (updates_.empty())
    {
        return false;
    }
    update = updates_.front();
    updates_.pop_front();
    if (updates_.empty() && waitingForHost_ && settings_.keepSignalling)
    {
        updates_.push_back(HostUpdate{22, 0});
    }
    if (!updates_.empty())
    {
        SetEvent(event_.Get());
    }
    return true;
}

}  // namespace kvhll
