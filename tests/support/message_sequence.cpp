#include "message_sequence.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace quorvex_test {

namespace {

// One recorder per thread at a time: the hooks find it here.
thread_local MessageRecorder* t_recorder = nullptr;

struct NamedMessage {
    UINT message;
    const char* name;
};

const NamedMessage kNames[] = {
    {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
    {WM_LBUTTONUP, "WM_LBUTTONUP"},
    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
    {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
    {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
    {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
    {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
    {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
    {WM_COMMAND, "WM_COMMAND"},
    {WM_NOTIFY, "WM_NOTIFY"},
    {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
    {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
    {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
    {WM_SIZING, "WM_SIZING"},
    {WM_MOVING, "WM_MOVING"},
    {WM_ACTIVATE, "WM_ACTIVATE"},
    {WM_SETFOCUS, "WM_SETFOCUS"},
    {WM_KILLFOCUS, "WM_KILLFOCUS"},
    {WM_CLOSE, "WM_CLOSE"},
    {WM_DRAWITEM, "WM_DRAWITEM"},
    {WM_PAINT, "WM_PAINT"},
    {WM_NCPAINT, "WM_NCPAINT"},
    {WM_KEYDOWN, "WM_KEYDOWN"},
    {WM_KEYUP, "WM_KEYUP"},
    {BM_SETSTATE, "BM_SETSTATE"},
    {BM_CLICK, "BM_CLICK"},
    {WM_TIMER, "WM_TIMER"},
};

bool Agrees(const RecordedMessage& actual, const ExpectedMessage& expected) {
    return actual.message == expected.message && actual.delivery == expected.delivery &&
           actual.target == expected.target &&
           (!(expected.flags & MatchWParam) || actual.wParam == expected.wParam) &&
           (!(expected.flags & MatchLParam) || actual.lParam == expected.lParam);
}

std::string Where(Delivery delivery, Target target) {
    return std::string(delivery == Delivery::Sent ? "sent" : "posted") + " to " +
           (target == Target::Control ? "control" : "parent");
}

std::string Hex(ULONG_PTR value) {
    char text[32];
    std::snprintf(text, sizeof(text), "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

} // namespace

std::string MessageName(UINT message) {
    for (const NamedMessage& n : kNames)
        if (n.message == message)
            return n.name;
    return Hex(message);
}

std::string Describe(const RecordedMessage& m) {
    return MessageName(m.message) + " " + Where(m.delivery, m.target) + " (" + Hex(m.wParam) + ", " +
           Hex(static_cast<ULONG_PTR>(m.lParam)) + ")";
}

std::string Describe(const ExpectedMessage& m) {
    std::string text = MessageName(m.message) + " " + Where(m.delivery, m.target);
    if (m.flags & (MatchWParam | MatchLParam)) {
        text += " (" + ((m.flags & MatchWParam) ? Hex(m.wParam) : std::string("*")) + ", " +
                ((m.flags & MatchLParam) ? Hex(static_cast<ULONG_PTR>(m.lParam)) : std::string("*")) + ")";
    }
    if (m.flags & Optional)
        text += " [optional]";
    return text;
}

::testing::AssertionResult MatchesSequence(const std::vector<RecordedMessage>& actual,
                                           const std::vector<ExpectedMessage>& expected) {
    size_t a = 0, e = 0;
    std::string problem;
    while (e < expected.size() && problem.empty()) {
        if (a < actual.size() && Agrees(actual[a], expected[e])) {
            ++a;
            ++e;
        } else if (expected[e].flags & Optional) {
            ++e;
        } else {
            problem = "expected " + Describe(expected[e]) + " at position " + std::to_string(a) + ", " +
                      (a < actual.size() ? "got " + Describe(actual[a]) : std::string("got nothing more"));
        }
    }
    if (problem.empty() && a < actual.size())
        problem = "unexpected " + Describe(actual[a]) + " at position " + std::to_string(a);
    if (problem.empty())
        return ::testing::AssertionSuccess();
    std::ostringstream out;
    out << problem << "\n  recorded:";
    for (const RecordedMessage& m : actual)
        out << "\n    " << Describe(m);
    out << "\n  expected:";
    for (const ExpectedMessage& m : expected)
        out << "\n    " << Describe(m);
    return ::testing::AssertionFailure() << out.str();
}

MessageRecorder::MessageRecorder(HWND control, HWND parent, std::vector<UINT> watched)
    : m_control(control), m_parent(parent), m_watched(std::move(watched)) {
    t_recorder = this;
    const DWORD thread = GetCurrentThreadId();
    m_sendHook = SetWindowsHookExW(WH_CALLWNDPROC, &MessageRecorder::OnSend, nullptr, thread);
    m_takeHook = SetWindowsHookExW(WH_GETMESSAGE, &MessageRecorder::OnTake, nullptr, thread);
}

MessageRecorder::~MessageRecorder() {
    if (m_sendHook)
        UnhookWindowsHookEx(m_sendHook);
    if (m_takeHook)
        UnhookWindowsHookEx(m_takeHook);
    if (t_recorder == this)
        t_recorder = nullptr;
}

void MessageRecorder::Record(HWND window, UINT message, Delivery delivery, WPARAM wParam, LPARAM lParam) {
    if (!window || (window != m_control && window != m_parent))
        return;
    if (std::find(m_watched.begin(), m_watched.end(), message) == m_watched.end())
        return;
    m_messages.push_back(RecordedMessage{
        message, delivery, window == m_control ? Target::Control : Target::Parent, wParam, lParam});
}

LRESULT CALLBACK MessageRecorder::OnSend(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && t_recorder) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        t_recorder->Record(sent->hwnd, sent->message, Delivery::Sent, sent->wParam, sent->lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MessageRecorder::OnTake(int code, WPARAM wParam, LPARAM lParam) {
    // Only a message taken off the queue counts; a look at it does not.
    if (code == HC_ACTION && wParam == PM_REMOVE && t_recorder) {
        const auto* taken = reinterpret_cast<const MSG*>(lParam);
        t_recorder->Record(taken->hwnd, taken->message, Delivery::Posted, taken->wParam, taken->lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace quorvex_test
