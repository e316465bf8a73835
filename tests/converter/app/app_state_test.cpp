// The application's process-wide state without its windows: the bitmap
// cache, the post-task action and the way engine callbacks reach the main
// window.
#include "app_test_support.h"

#include <BitmapCache.h>
#include <PostTaskAction.h>
#include <UiContext.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

namespace {

bool IsLiveBitmap(HBITMAP bitmap) {
    return bitmap && GetObjectType(bitmap) == OBJ_BITMAP;
}

TEST(BitmapCache, LoadsOnceKeepsAndDeletesOnClear) {
    HBITMAP first = nullptr;
    {
        BitmapCache cache;
        first = cache.Get(IDB_ADD_FILES);
        ASSERT_TRUE(IsLiveBitmap(first));
        BITMAP info{};
        GetObjectW(first, sizeof(info), &info);
        EXPECT_EQ(32, info.bmWidth);
        EXPECT_EQ(32, info.bmHeight);
        EXPECT_EQ(first, cache.Get(IDB_ADD_FILES)) << "a hit returns the cached handle";
        EXPECT_EQ(1u, cache.Count());

        // A resource that does not exist is not stored.
        EXPECT_EQ(nullptr, cache.Get(9999));
        EXPECT_EQ(1u, cache.Count());

        HBITMAP other = cache.Get(IDB_ABOUT);
        ASSERT_TRUE(IsLiveBitmap(other));
        EXPECT_NE(first, other);
        EXPECT_EQ(2u, cache.Count());

        cache.Clear();
        EXPECT_EQ(0u, cache.Count());
        EXPECT_FALSE(IsLiveBitmap(first)) << "clearing deletes the bitmaps";
        EXPECT_FALSE(IsLiveBitmap(other));

        first = cache.Get(IDB_ADD_FILES);
        EXPECT_TRUE(IsLiveBitmap(first)) << "loaded again after a clear";
    }
    EXPECT_FALSE(IsLiveBitmap(first)) << "destruction clears";
}

TEST(PostTaskAction, BatchFinishedRunsTheChosenAction) {
    struct Case {
        int action;
        bool requested;
        UINT flags;
    };
    const Case cases[] = {
        {0, false, 0}, {1, true, EWX_POWEROFF}, {2, true, EWX_LOGOFF}, {3, false, 0}, {-1, false, 0},
    };
    app_test::ProcessObjects objects;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "action " << c.action);
        app_test::ResetExitRequests();
        UiContext::Current()->SetPostTaskAction(c.action);
        OnBatchFinished();
        const std::vector<app_test::ExitRequest> requests = app_test::ExitRequests();
        if (!c.requested) {
            EXPECT_TRUE(requests.empty());
            continue;
        }
        ASSERT_EQ(1u, requests.size());
        EXPECT_EQ(c.flags, requests[0].flags);
        EXPECT_EQ(0u, requests[0].reason);
    }
}

TEST(PostTaskAction, NothingWithoutUiContextAndShutdownPrivilegeIsHarmless) {
    ASSERT_EQ(nullptr, UiContext::Current());
    app_test::ResetExitRequests();
    OnBatchFinished();
    EXPECT_TRUE(app_test::ExitRequests().empty());

    UiContext& context = UiContext::Instance();
    EXPECT_EQ(PostTaskDoNothing, context.PostTaskAction()) << "every run starts with Do Nothing";
    context.EnableShutdownPrivilege();
    context.EnableShutdownPrivilege(); // once is enough; again changes nothing
    context.SetPostTaskAction(PostTaskLogOff);
    UiContext::DestroyInstance();
    OnBatchFinished();
    EXPECT_TRUE(app_test::ExitRequests().empty()) << "the context is gone";
}

// The messages waiting for a window of this thread, with their path and
// detail taken over (and so freed) as the main window's handlers take them.
struct Posted {
    UINT message;
    std::wstring path, detail;
    bool operator==(const Posted& other) const {
        return message == other.message && path == other.path && detail == other.detail;
    }
};
std::vector<Posted> TakePosted(HWND window) {
    std::vector<Posted> taken;
    MSG msg;
    while (PeekMessageW(&msg, window, WM_PROBE_FINISHED, WM_CONVERT_STOPPED, PM_REMOVE)) {
        PostedPath path(msg.wParam);
        PostedPath detail(static_cast<WPARAM>(msg.lParam));
        taken.push_back({msg.message, path.Text(), detail.Text()});
    }
    return taken;
}

TEST(EngineMessages, PathsReachTheMainWindowOnlyWhileItExists) {
    const std::wstring path = L"C:\\My Videos\\caf\u00e9 clip.mov";
    EXPECT_FALSE(PostPathToMainWindow(WM_CONVERT_STARTED, path)) << "no context";
    app_test::ProcessObjects objects;
    UiContext& context = *UiContext::Current();
    EXPECT_FALSE(PostPathToMainWindow(WM_CONVERT_STARTED, path)) << "no window yet";

    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    context.SetMainWindow(window);
    EXPECT_TRUE(PostPathToMainWindow(WM_CONVERT_STARTED, path));
    bool posted = false; // workers post from their own threads
    std::thread worker([&] { posted = PostPathToMainWindow(WM_CONVERT_FINISHED, path); });
    worker.join();
    EXPECT_TRUE(posted);
    EXPECT_TRUE(PostPathToMainWindow(WM_CONVERT_STOPPED, L""));
    // The probe's duration and a failure's reason travel with the path.
    EXPECT_TRUE(PostPathToMainWindow(WM_PROBE_FINISHED, path, L"00:01:23"));
    EXPECT_TRUE(PostPathToMainWindow(WM_CONVERT_FAILED, path, L"The encoder ended with code 1."));
    EXPECT_EQ((std::vector<Posted>{{WM_CONVERT_STARTED, path, L""},
                                   {WM_CONVERT_FINISHED, path, L""},
                                   {WM_CONVERT_STOPPED, L"", L""},
                                   {WM_PROBE_FINISHED, path, L"00:01:23"},
                                   {WM_CONVERT_FAILED, path, L"The encoder ended with code 1."}}),
              TakePosted(window));

    // A window that has gone (a stale handle) takes nothing.
    DestroyWindow(window);
    EXPECT_FALSE(PostPathToMainWindow(WM_CONVERT_STARTED, path));
    context.SetMainWindow(nullptr);
    EXPECT_FALSE(PostPathToMainWindow(WM_CONVERT_STARTED, path));
}

} // namespace
