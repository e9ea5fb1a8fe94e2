// One display session of the emulator: its presentation space, keyboard, operator information area and
// host-update notification, with the host program behind it. An AID key locks the keyboard (update 21 with
// flag 0x100); the host's answer replaces the screen and unlocks it (update 23, or 21 when the screen did
// not change, with flag 0x200), at once, after the scenario's reply delay, or never. Timed changes happen when
// the bridge ticks the session at or after their time (Due tells when).
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string_view>

#include "HostProgram.h"
#include "HostTime.h"
#include "OwnedHandles.h"
#include "Scenario.h"
#include "Screen.h"

namespace kvhll
{

class Session
{
public:
    explicit Session(char letter) : letter_(letter) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Takes the scenario's settings; a new kind of host starts with its first screen.
    void Configure(const SessionSettings& settings, const std::string& storeFolder, HostTime now);
    const SessionSettings& Settings() const { return settings_; }
    bool IsDisplay() const;
    bool IsHostDisplay() const;  // a display with a host behind it (a presentation space)

    // Send Key: 0 done, 2 bad key text, 5 keyboard locked (nothing more typed).
    int SendKeys(std::string_view text, HostTime now);
    Screen& Presentation() { return screen_; }
    bool InputInhibited() const;
    bool OperatorError() const;

    HANDLE StartNotification();
    void StopNotification();
    bool NotificationStarted() const { return notifying_; }
    // FALSE when nothing is pending.
    bool NextUpdate(HostUpdate& update);

    // Applies what the host has due by now.
    void Tick(HostTime now);
    // Time from `now` until the host has a change due (0: at once), kNever when none is coming.
    HostTime Due(HostTime now) const;
    // Called whenever the host shows a new screen.
    void SetObserver(std::function<void(char letter, const Screen& screen)> observer)
    {
        observer_ = std::move(observer);
    }

private:
    void PressAid(char aid, HostTime now);
    void ApplyAnswer(HostTime now);
    // Replaces bytes of the answer's reply line, as a damaged line from the host would arrive.
    void DamageReplyLine(Screen& screen);
    void Show(const Screen& screen, HostTime now);
    void Announce(const HostUpdate& update);

    char letter_;
    SessionSettings settings_;
    HostEnvironment environment_;
    std::unique_ptr<HostProgram> host_;
    Screen screen_;
    bool typingError_ = false;
    bool waitingForHost_ = false;
    bool scripted_ = false;
    Screen answer_;
    unsigned answersDamaged_ = 0;
    HostTime answerFrom_ = 0;
    bool changePending_ = false;
    HostTime changeFrom_ = 0;
    HostTime changeDelay_ = 0;
    bool notifying_ = false;
    OwnedEvent event_;
    std::deque<HostUpdate> updates_;
    std::function<void(char, const Screen&)> observer_;
};

}  // namespace kvhll
