// The forms run-time's contract with the saver's forms: loading runs the load handler on a
// hidden window, unloading runs the close-request and unload handlers in that order for every
// way a form is closed, timers tick only while enabled, and the message loop ends with the
// last form. Handlers that throw do not take the program down. A label that clicks does so
// only for a press begun on it and released over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "saver/runtime/application.h"
#include "saver/runtime/form.h"
#include "saver/runtime/static_control.h"
#include "saver/runtime/timer.h"

namespace {

// Test programs run side by side: each names its windows apart.
std::string UniqueCaption(const char* name = "form") {
    return std::string("Soravane forms test ") + name + " " + std::to_string(GetCurrentProcessId());
}

// Records its handlers' calls; unloads itself after `unloadAfterTicks` ticks of TickTimer.
class RecordingForm : public Form {
public:
    explicit RecordingForm(Application& app, std::string caption = UniqueCaption())
        : Form(app, std::move(caption), {.style = WS_POPUP}) {}

    std::vector<std::string> calls;
    std::vector<UnloadReason> reasons;
    bool wasVisibleAtLoad = true;
    bool wasFoundByTitleAtLoad = false;
    int unloadAfterTicks = -1;
    bool throwOnTick = false;

    Timer TickTimer{*this, 1, 20, false};
    Timer IdleTimer{*this, 2, 20, false};

protected:
    void OnLoad() override {
        calls.push_back("load");
        wasVisibleAtLoad = IsWindowVisible(Window()) != FALSE;
        wasFoundByTitleAtLoad = FindWindowA(nullptr, Caption().c_str()) == Window();
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
        if (throwOnTick) {
            throw std::runtime_error("handler failure");
        }
        if (--unloadAfterTicks == 0) {
            Unload();
        }
    }
};

TEST(SaverForms, LoadingRunsTheLoadHandlerOnAHiddenWindowAndUnloadingTheOthersInOrder) {
    Application app;
    RecordingForm form(app);
    ASSERT_TRUE(form.Load());
    ASSERT_TRUE(form.Load());  // already loaded: the handler does not run again
    EXPECT_FALSE(form.wasVisibleAtLoad);
    EXPECT_TRUE(form.wasFoundByTitleAtLoad);
    HWND window = form.Window();
    form.Unload();
    form.Unload();  // unloading an unloaded form does nothing
    EXPECT_EQ(form.calls, (std::vector<std::string>{"load", "query-unload", "unload"}));
    EXPECT_EQ(form.reasons, std::vector<UnloadReason>{UnloadReason::Code});
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(IsWindow(window));
}

TEST(SaverForms, CloseRequestsAndTheEndOfTheSessionUnloadWithTheirReason) {
    Application app;
    RecordingForm closed(app, UniqueCaption("closed"));
    RecordingForm loggedOff(app, UniqueCaption("logged off"));
    RecordingForm shutDown(app, UniqueCaption("shut down"));
    ASSERT_TRUE(closed.Load() && loggedOff.Load() && shutDown.Load());

    SendMessageW(closed.Window(), WM_CLOSE, 0, 0);
    // Windows asks whether the session may end: the form unloads and never holds it.
    EXPECT_EQ(SendMessageW(loggedOff.Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    // A form still loaded when the session does end unloads then.
    SendMessageW(shutDown.Window(), WM_ENDSESSION, TRUE, 0);

    for (const RecordingForm* form : {&closed, &loggedOff, &shutDown}) {
        EXPECT_FALSE(form->IsLoaded());
        EXPECT_EQ(form->calls, (std::vector<std::string>{"load", "query-unload", "unload"}));
    }
    EXPECT_EQ(closed.reasons, std::vector<UnloadReason>{UnloadReason::CloseRequest});
    EXPECT_EQ(loggedOff.reasons, std::vector<UnloadReason>{UnloadReason::SessionEnding});
    EXPECT_EQ(shutDown.reasons, std::vector<UnloadReason>{UnloadReason::SessionEnding});
}

TEST(SaverForms, RunDispatchesEnabledTimersOnlyAndReturnsWhenTheLastFormHasUnloaded) {
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
}

TEST(SaverForms, AnExceptionInAHandlerStaysInsideTheWindowProcedure) {
    Application app;
    RecordingForm form(app);
    form.throwOnTick = true;
    ASSERT_TRUE(form.Load());
    form.TickTimer.SetEnabled(true);
    for (int i = 0; i < 200 && std::count(form.calls.begin(), form.calls.end(), "tick") < 2; ++i) {
        PumpOneMessage();
    }
    EXPECT_GE(std::count(form.calls.begin(), form.calls.end(), "tick"), 2);
    EXPECT_TRUE(form.IsLoaded());
}

TEST(SaverForms, ShowModalReturnsWhenTheFormHasUnloaded) {
    Application app;
    RecordingForm form(app);
    form.TickTimer.SetEnabled(true);
    form.unloadAfterTicks = 2;
    form.ShowModal();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.calls.back(), "unload");
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
