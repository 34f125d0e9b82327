// Skymere_P as a form: every control at its place with its caption, the kind selection's
// effect on what is enabled, Set saving the three settings, and Cancel and the close box
// saving nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

#include "saver/dialog/dialog_font.h"
#include "saver/dialog/layout.h"
#include "saver/dialog/skymere_p.h"
#include "saver/runtime/application.h"
#include "saver/runtime/win32_text.h"
#include "tests/support/fake_file_port.h"

namespace {

namespace layout = dialog_layout;

// The settings file beside the saver as Set writes it: the kind, the repeat and the file.
std::map<FakeFiles::Place, std::string> Saved(const char* mode, const char* repeat,
                                              const char* file) {
    const std::string ini = "C:\\saver\\Soravane.ini";
    return {{{ini, "Section", "BGM\x8B\xE6\x95\xAA"}, mode},
            {{ini, "Section", "BGM\xD8\xCB\xDF\xB0\xC4"}, repeat},
            {{ini, "Section", "BGM\xCC\xA7\xB2\xD9"}, file}};
}

std::string TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return WideToUtf8(text);
}

class DialogForm : public ::testing::Test {
protected:
    void SetUp() override {
        state.BGMMode = 1;
        state.BGMRepeat = 12;
        state.BGMFile = "C:\\music\\song.mp3";
        state.InitDir = "C:\\music";
        ASSERT_TRUE(dialog.Load());
    }

    // A control on the form or on its panel.
    HWND Control(int id) const {
        HWND onForm = GetDlgItem(dialog.Window(), id);
        return onForm != nullptr ? onForm
                                 : GetDlgItem(GetDlgItem(dialog.Window(), Skymere_P::kPic_C), id);
    }
    // The control's rectangle in the form's client area.
    PixelRect RectOf(int id) const {
        HWND window = Control(id);
        RECT rect = {};
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, dialog.Window(), reinterpret_cast<POINT*>(&rect), 2);
        return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    }
    static PixelRect OnPanel(const PixelRect& rect) {
        return {layout::Pic_C.x + rect.x, layout::Pic_C.y + rect.y, rect.width, rect.height};
    }
    void MouseDown(int id, UINT message = WM_LBUTTONDOWN) const {
        SendMessageW(Control(id), message, 0, MAKELPARAM(2, 2));
    }
    void Click(int id) const {
        SendMessageW(dialog.Window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(id)));
    }

    Application app;
    SharedState state;
    FakeFiles files;
    Skymere_P dialog{app, state, files, "C:\\saver", GetModuleHandleW(nullptr)};
};

TEST_F(DialogForm, TheWindowSitsCentredAndAThirdDownOverItsGradient) {
    EXPECT_EQ(FindWindowW(nullptr, L"<Soravane>"), dialog.Window());
    RECT client = {};
    GetClientRect(dialog.Window(), &client);
    EXPECT_EQ(client.right, layout::kClientWidth);
    EXPECT_EQ(client.bottom, layout::kClientHeight);
    RECT outer = {};
    GetWindowRect(dialog.Window(), &outer);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 3);
    const LONG style = GetWindowLongW(dialog.Window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(SendMessageW(dialog.Window(), WM_GETICON, ICON_SMALL, 0), 0);

    // Left of the panel: dark blue at the top row, pale half-way down.
    ShowWindow(dialog.Window(), SW_SHOW);
    UpdateWindow(dialog.Window());
    HDC dc = GetDC(dialog.Window());
    EXPECT_EQ(GetPixel(dc, 4, 0), RGB(0, 0, 30));
    EXPECT_EQ(GetPixel(dc, 4, 123), RGB(220, 220, 250));
    ReleaseDC(dialog.Window(), dc);
}

TEST_F(DialogForm, EveryControlSitsWhereTheTablePutsItWithItsCaption) {
    const std::tuple<int, PixelRect, const char*> expected[] = {
        {Skymere_P::kPic_C, layout::Pic_C, ""},
        {Skymere_P::kHeading, OnPanel(layout::lbl_Heading), "BGM"},
        {Skymere_P::kImg_BGM0, OnPanel(layout::Img_BGM[0]), ""},
        {Skymere_P::kImg_BGM1, OnPanel(layout::Img_BGM[1]), ""},
        {Skymere_P::kImg_BGM2, OnPanel(layout::Img_BGM[2]), ""},
        {Skymere_P::kLbl_BGM0, OnPanel(layout::lbl_BGM[0]), "なし"},
        {Skymere_P::kLbl_BGM1, OnPanel(layout::lbl_BGM[1]), "音楽CD"},
        {Skymere_P::kLbl_BGM2, OnPanel(layout::lbl_BGM[2]), "MP3、WAV"},
        {Skymere_P::kRepeatCaption, OnPanel(layout::lbl_Repeat), "曲目をﾘﾋﾟｰﾄ"},
        {Skymere_P::kCmd_File, {40, 128, 41, 25}, "..."},
        {Skymere_P::kLbl_Fname, OnPanel(layout::lbl_Fname), "C:\\music\\song.mp3"},
        {Skymere_P::kImage1, {248, 28, 214, 94}, ""},
        {Skymere_P::kCredit, layout::lbl_Credit, Skymere_P::kCreditText},
        {Skymere_P::kLbl_URL, layout::lbl_URL, Skymere_P::kUrl},
        {Skymere_P::kCmd_Set, {316, 200, 81, 25}, "設定"},
        {Skymere_P::kCmd_Can, {400, 200, 81, 25}, "ｷｬﾝｾﾙ"},
    };
    for (const auto& [id, rect, caption] : expected) {
        EXPECT_EQ(RectOf(id), rect) << caption;
        EXPECT_EQ(TextOf(Control(id)), caption) << id;
    }
    // The combo box: its place and width; its closed height follows the font.
    const PixelRect repeat = RectOf(Skymere_P::kBGM_Repeat);
    EXPECT_EQ((PixelPoint{repeat.x, repeat.y}), (PixelPoint{124, 68}));
    EXPECT_EQ(repeat.width, 41);
    EXPECT_NEAR(repeat.height, 20, 2);
}

TEST_F(DialogForm, EveryOneLineLabelHoldsItsTextAndUnderlineInItsFontAndEveryFallbackFace) {
    for (const int id :
         {Skymere_P::kHeading, Skymere_P::kLbl_BGM0, Skymere_P::kLbl_BGM1, Skymere_P::kLbl_BGM2,
          Skymere_P::kRepeatCaption, Skymere_P::kCredit, Skymere_P::kLbl_URL}) {
        const HWND label = Control(id);
        const std::wstring text = Utf8ToWide(TextOf(label));
        const auto own = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
        LOGFONTW drawn = {};
        ASSERT_NE(GetObjectW(own, sizeof drawn, &drawn), 0) << TextOf(label);
        RECT box = {};
        GetClientRect(label, &box);
        HDC dc = GetDC(label);
        for (const wchar_t* face : kDialogFaces) {
            // The label's own font first, then each face the system has.
            const HFONT font = face == kDialogFaces[0] ? own
                               : FaceInstalled(face)
                                   ? CreateDialogFont(96, drawn.lfUnderline != FALSE, face)
                                   : nullptr;
            if (font == nullptr) {
                continue;
            }
            const HGDIOBJ old = SelectObject(dc, font);
            SIZE extent = {};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            OUTLINETEXTMETRICW metrics = {};
            metrics.otmSize = sizeof metrics;
            const LONG underline =
                drawn.lfUnderline && GetOutlineTextMetricsW(dc, sizeof metrics, &metrics)
                    ? metrics.otmTextMetrics.tmAscent - metrics.otmsUnderscorePosition +
                          static_cast<LONG>(metrics.otmsUnderscoreSize)
                    : 0;
            EXPECT_TRUE(extent.cx <= box.right && std::max(extent.cy, underline) <= box.bottom)
                << TextOf(label) << ' ' << WideToUtf8(face);
            SelectObject(dc, old);
            if (font != own) {
                DeleteObject(font);
            }
        }
        ReleaseDC(label, dc);
    }
}

TEST_F(DialogForm, TheKindLoadedOrChosenByAMouseButtonDecidesWhatIsEnabled) {
    // Kind 1, the music CD, as loaded: the repeat box, not the file button.
    EXPECT_TRUE(IsWindowEnabled(Control(Skymere_P::kBGM_Repeat)));
    EXPECT_FALSE(IsWindowEnabled(Control(Skymere_P::kCmd_File)));
    MouseDown(Skymere_P::kLbl_BGM2);
    EXPECT_EQ(state.BGMMode, 2);
    EXPECT_TRUE(IsWindowEnabled(Control(Skymere_P::kCmd_File)));
    EXPECT_FALSE(IsWindowEnabled(Control(Skymere_P::kBGM_Repeat)));

    MouseDown(Skymere_P::kImg_BGM0, WM_RBUTTONDOWN);  // any button
    EXPECT_EQ(state.BGMMode, 0);
    MouseDown(Skymere_P::kImg_BGM1, WM_MBUTTONDOWN);
    EXPECT_EQ(state.BGMMode, 1);
}

TEST_F(DialogForm, TheComboListsEmptyToThirtyAndSetSavesItsTextTheKindAndTheFileThenUnloads) {
    const HWND repeat = Control(Skymere_P::kBGM_Repeat);
    EXPECT_EQ(TextOf(repeat), "12");
    ASSERT_EQ(SendMessageW(repeat, CB_GETCOUNT, 0, 0), 31);
    EXPECT_EQ(SendMessageW(repeat, CB_GETLBTEXTLEN, 0, 0), 0);
    wchar_t last[8] = {};
    SendMessageW(repeat, CB_GETLBTEXT, 30, reinterpret_cast<LPARAM>(last));
    EXPECT_STREQ(last, L"30");
    MouseDown(Skymere_P::kLbl_BGM2);
    SetWindowTextW(repeat, L"2.5");
    Click(Skymere_P::kCmd_Set);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(files.values, Saved(" 2", " 2", "C:\\music\\song.mp3"));
}

TEST_F(DialogForm, CancelAndTheCloseBoxSaveNothingAndSetWritesBackAnUnknownKind) {
    MouseDown(Skymere_P::kLbl_BGM2);
    Click(Skymere_P::kCmd_Can);
    EXPECT_FALSE(dialog.IsLoaded());
    dialog.Load();
    SendMessageW(dialog.Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_TRUE(files.values.empty());
    state = {.BGMMode = 3};
    dialog.Load();
    EXPECT_EQ(TextOf(Control(Skymere_P::kBGM_Repeat)), "");  // 0 shows empty
    Click(Skymere_P::kCmd_Set);
    EXPECT_EQ(files.values, Saved(" 3", " 0", ""));
}

}  // namespace
