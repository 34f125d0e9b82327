// The forms run-time's contract with the saver's forms: loading runs the load handler on a
// hidden window, unloading runs the close-request and unload handlers in that order for every
// way a form is closed, timers tick only while enabled, and the message loop ends with the
// last form. Handlers that throw do not take the program down. A label that clicks does so
// only for a press begun on it and released over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "saver/runtime/application.h"
#include "saver/runtime/form.h"
#include "saver/runtime/static_control.h"
#include "saver/runtime/timer.h"

namespace {

// Records its handlers' calls; unloads itself after `unloadAfterTicks` ticks of TickTimer.
struct RecordingForm : Form {
    // Test programs run side by side: each names its windows apart.
    explicit RecordingForm(Application& app)
        : Form(app, "Soravane forms test " + std::to_string(GetCurrentProcessId()),
               {.style = WS_POPUP}) {}

    std::vector<std::string> calls;
    std::vector<UnloadReason> reasons;
    bool wasHiddenButFoundByTitleAtLoad = false;
    int unloadAfterTicks = -1;
    bool throwOnTick = false;

    Timer TickTimer{*this, 1, 20, false};
    Timer IdleTimer{*this, 2, 20, false};

    void OnLoad() override {
        calls.push_back("load");
        wasHiddenButFoundByTitleAtLoad = IsWindowVisible(Window()) == FALSE &&
                                         FindWindowA(nullptr, Caption().c_str()) == Window();
    }
    void OnQueryUnload(UnloadReason reason) override {
        calls.push_back("query-unload");
        reasons.push_back(reason);
    }
    void OnUnload() override { calls.push_back("unload"); }
    void OnCommand(int, int notification, HWND) override {
        if (notification == StaticControl::kClick) {
            calls.push_back("click");
        }
    }
    void OnTimer(Timer& timer) override {
        calls.push_back(timer.Id() == 1 ? "tick" : "idle-tick");
        if (--unloadAfterTicks == 0) {
            Unload();
        } else if (throwOnTick) {
            throw std::runtime_error("handler failure");
        }
    }
};

TEST(SaverForms, LoadingRunsTheLoadHandlerOnAHiddenWindowAndUnloadingTheOthersInOrder) {
    Application app;
    RecordingForm form(app);
    ASSERT_TRUE(form.Load());
    ASSERT_TRUE(form.Load());  // already loaded: the handler does not run again
    EXPECT_TRUE(form.wasHiddenButFoundByTitleAtLoad);
    HWND window = form.Window();
    form.Unload();
    form.Unload();  // unloading an unloaded form does nothing
    EXPECT_EQ(form.calls, (std::vector<std::string>{"load", "query-unload", "unload"}));
    EXPECT_EQ(form.reasons, std::vector<UnloadReason>{UnloadReason::Code});
    EXPECT_FALSE(IsWindow(window));
}

TEST(SaverForms, CloseRequestsAndTheEndOfTheSessionUnloadWithTheirReason) {
    Application app;
    const std::tuple<UINT, WPARAM, LPARAM, LRESULT, UnloadReason> messages[] = {
        {WM_CLOSE, 0, 0, 0, UnloadReason::CloseRequest},
        // Windows asks whether the session may end: the form unloads and never holds it.
        {WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, TRUE, UnloadReason::SessionEnding},
        // A form still loaded when the session does end unloads then.
        {WM_ENDSESSION, TRUE, 0, 0, UnloadReason::SessionEnding}};
    for (const auto& [message, wParam, lParam, answer, reason] : messages) {
        RecordingForm form(app);
        ASSERT_TRUE(form.Load());
        EXPECT_EQ(SendMessageW(form.Window(), message, wParam, lParam), answer) << message;
        EXPECT_EQ(form.reasons, std::vector<UnloadReason>{reason}) << message;
    }
}

TEST(SaverForms, RunAndShowModalDispatchEnabledTimersOnlyAndReturnWhenTheFormsHaveUnloaded) {
    Application app;
    RecordingForm form(app);
    form.TickTimer.SetEnabled(true);  // before loading: starts with the window
    form.unloadAfterTicks = 3;
    ASSERT_TRUE(form.Load());
    form.IdleTimer.SetEnabled(true);
    form.IdleTimer.SetEnabled(false);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(form.calls,
              (std::vector<std::string>{"load", "tick", "tick", "tick", "query-unload", "unload"}));
    form.unloadAfterTicks = 2;
    form.ShowModal();
    EXPECT_FALSE(form.IsLoaded());
}

TEST(SaverForms, AnExceptionInAHandlerStaysInsideTheWindowProcedure) {
    Application app;
    RecordingForm form(app);
    form.throwOnTick = true;  // on every tick but the one that unloads
    form.unloadAfterTicks = 2;
    form.TickTimer.SetEnabled(true);
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(std::count(form.calls.begin(), form.calls.end(), "tick"), 2);
}

TEST(StaticControlWin32, ALabelThatClicksNeedsAPressBegunOnItAndReleasedOverIt) {
    Application app;
    RecordingForm form(app);
    form.Load();
    StaticLook look = LabelLook("https://example.com", nullptr, 0, DT_LEFT, nullptr);
    look.notify = form.Window();
    look.clicks = true;
    StaticControl link;
    ASSERT_TRUE(link.Create(form.Window(), 7, {0, 0, 50, 14}, look));
    const std::pair<const char*, std::vector<std::pair<UINT, int>>> cases[] = {
        {"clicked", {{WM_LBUTTONDOWN, 5}, {WM_LBUTTONUP, 5}}},
        {"a release without a press", {{WM_LBUTTONUP, 5}}},
        {"released outside", {{WM_LBUTTONDOWN, 5}, {WM_LBUTTONUP, 80}}},
        {"the press lost", {{WM_LBUTTONDOWN, 5}, {WM_CAPTURECHANGED, 0}, {WM_LBUTTONUP, 5}}},
    };
    for (const auto& [what, messages] : cases) {
        form.calls.clear();
        for (const auto& [message, x] : messages) {
            SendMessageW(link.Window(), message, 0, MAKELPARAM(x, 2));
        }
        EXPECT_EQ(form.calls, std::vector<std::string>(what == cases[0].first ? 1 : 0, "click"))
            << what;
    }
}

}  // namespace
