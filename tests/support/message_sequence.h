// Message sequences: which messages reach a control and its parent, in which
// order, sent or posted, with which parameters, compared with an expected
// table in which some entries may be optional.
//
//     MessageRecorder recorder(button, dialog, {WM_LBUTTONDOWN, BM_SETSTATE, WM_COMMAND});
//     ... real input, pump ...
//     EXPECT_TRUE(recorder.Matches({
//         {WM_LBUTTONDOWN, Posted, ToControl},
//         {BM_SETSTATE, Sent, ToControl, MatchWParam, TRUE},
//         {WM_COMMAND, Sent, ToParent, MatchWParam, MAKEWPARAM(id, BN_CLICKED)},
//     }));
//
// Sent messages are seen by a WH_CALLWNDPROC hook before the window procedure
// runs, posted ones by a WH_GETMESSAGE hook when they are taken from the
// queue (a message taken but eaten before dispatch still counts as posted to
// its window). Only the watched messages are recorded; the recorder works on
// the thread that made it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex_test {

enum class Delivery { Sent, Posted };
enum class Target { Control, Parent };

constexpr Delivery Sent = Delivery::Sent;
constexpr Delivery Posted = Delivery::Posted;
constexpr Target ToControl = Target::Control;
constexpr Target ToParent = Target::Parent;

// Which parameters an expected entry checks, and whether it may be missing.
enum : unsigned { MatchNothing = 0, MatchWParam = 1, MatchLParam = 2, Optional = 4 };

struct ExpectedMessage {
    UINT message;
    Delivery delivery;
    Target target;
    unsigned flags = MatchNothing;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct RecordedMessage {
    UINT message;
    Delivery delivery;
    Target target;
    WPARAM wParam;
    LPARAM lParam;
};

// A readable name for the messages tests watch; the number otherwise.
std::string MessageName(UINT message);
std::string Describe(const RecordedMessage& m);
std::string Describe(const ExpectedMessage& m);

// Walks both lists in order: an optional expected entry may be skipped, any
// other difference (a missing, extra, misplaced or mismatched message) fails
// with both sequences printed.
::testing::AssertionResult MatchesSequence(const std::vector<RecordedMessage>& actual,
                                           const std::vector<ExpectedMessage>& expected);

class MessageRecorder {
public:
    MessageRecorder(HWND control, HWND parent, std::vector<UINT> watched);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<RecordedMessage>& Messages() const { return m_messages; }
    void Clear() { m_messages.clear(); }
    ::testing::AssertionResult Matches(const std::vector<ExpectedMessage>& expected) const {
        return MatchesSequence(m_messages, expected);
    }

private:
    static LRESULT CALLBACK OnSend(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OnTake(int code, WPARAM wParam, LPARAM lParam);
    void Record(HWND window, UINT message, Delivery delivery, WPARAM wParam, LPARAM lParam);

    HWND m_control;
    HWND m_parent;
    std::vector<UINT> m_watched;
    std::vector<RecordedMessage> m_messages;
    HHOOK m_sendHook = nullptr;
    HHOOK m_takeHook = nullptr;
};

} // namespace quorvex_test
