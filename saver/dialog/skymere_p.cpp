#include "saver/dialog/skymere_p.h"

#include <shellapi.h>

#include "contract/work_folder.h"
#include "saver/dialog/dialog_font.h"
#include "saver/dialog/file_chooser.h"
#include "saver/dialog/rules.h"
#include "saver/dialog/zoom.h"
#include "saver/resources/resource_ids.h"
#include "saver/runtime/message_box.h"
#include "saver/runtime/screen.h"
#include "saver/runtime/win32_text.h"
#include "saver/settings/path_routines.h"
#include "saver/settings/settings_file.h"

namespace {

// Fixed single border, caption with icon and close box, no minimise or maximise box.
constexpr DWORD kDialogStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr char kRepeatCaptionText[] = "曲目をﾘﾋﾟｰﾄ";
constexpr const char* kKindCaptions[3] = {"なし", "音楽CD", "MP3、WAV"};
constexpr char kMessageCaption[] = "Soravane";
constexpr char kSaveFailedText[] = "設定を保存できません。次のﾌｧｲﾙに書き込めませんでした:\n";
constexpr char kSaveFailedAdvice[] =
    "\n\nﾌｧｲﾙが書き込み禁止でないか、ﾌｫﾙﾀﾞに書き込めるかを確かめてください。";
// Room for the combo box's drop-down list below its edit field.
constexpr int kRepeatListHeight = 200;

int SystemDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : dialog_layout::kDesignDpi;
}

FormStyle DialogStyle(int dpi) {
    RECT outer = {0, 0, ScaleForDpi(dialog_layout::kClientWidth, dpi),
                  ScaleForDpi(dialog_layout::kClientHeight, dpi)};
    AdjustWindowRectEx(&outer, kDialogStyle, FALSE, 0);
    // Placed by the load handler, once the window's real outer size is known.
    FormStyle style;
    style.style = kDialogStyle;
    style.x = 0;
    style.y = 0;
    style.width = outer.right - outer.left;
    style.height = outer.bottom - outer.top;
    return style;
}

}  // namespace

Skymere_P::Skymere_P(Application& application, SharedState& state, FilePort& files,
                     std::string programFolder, HMODULE resources)
    : Form(application, contract::kDialogWindowTitle, DialogStyle(SystemDpi())),
      state_(state),
      files_(files),
      programFolder_(std::move(programFolder)),
      resources_(resources),
      dpi_(SystemDpi()),
      font_(CreateDialogFont(dpi_, false)),
      underlinedFont_(CreateDialogFont(dpi_, true)) {
    skins_.LoadResources(resources, {.normal = SORAVANE_RESOURCE_SKIN_NORMAL,
                                     .highLight = SORAVANE_RESOURCE_SKIN_HIGHLIGHT,
                                     .selected = SORAVANE_RESOURCE_SKIN_SELECTED,
                                     .pressed = SORAVANE_RESOURCE_SKIN_PRESSED,
                                     .disable = SORAVANE_RESOURCE_SKIN_DISABLE});
    Pic_Mbl.LoadBitmapResource(resources, SORAVANE_RESOURCE_METAL_STRIP);
    Img_Ra[0].LoadBitmapResource(resources, SORAVANE_RESOURCE_BOX_EMPTY);
    Img_Ra[1].LoadBitmapResource(resources, SORAVANE_RESOURCE_BOX_CHECKED);
    jetPhoto_.LoadBitmapResource(resources, SORAVANE_RESOURCE_JET_PHOTO);
}

// Every step's failure is ignored and the next step runs.
void Skymere_P::OnLoad() {
    RECT outer = {};
    GetWindowRect(Window(), &outer);
    const ScreenSize screen = PrimaryScreenSize();
    const PixelPoint position = DialogPosition(screen.width, screen.height,
                                               outer.right - outer.left, outer.bottom - outer.top);
    SetWindowPos(Window(), nullptr, position.x, position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (auto icon =
            static_cast<HICON>(LoadImageW(resources_, MAKEINTRESOURCEW(SORAVANE_RESOURCE_ICON),
                                          IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED))) {
        SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    Form_Resize();
    CreateControls();

    InitButtons();
    TileBackground(panel_);
    EnableWindow(BGM_Repeat, FALSE);
    ShowKind(state_.BGMMode);
    SetWindowTextW(BGM_Repeat, Utf8ToWide(RepeatText(state_.BGMRepeat)).c_str());
    for (const std::string& entry : RepeatListTexts()) {
        SendMessageW(BGM_Repeat, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Utf8ToWide(entry).c_str()));
    }
    lbl_Fname.SetCaption(state_.BGMFile);
    RecordCursor(state_);
    ZoomOpen(Window(), state_);
    SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
}

void Skymere_P::OnUnload() {
    // Back to where the mouse was at load, not where it is now.
    ZoomClose(Window(), state_);
}

// The gradient is the form's persistent image; the window cannot be resized, so it is
// drawn once, for the client area the window has.
void Skymere_P::Form_Resize() {
    RECT client = {};
    GetClientRect(Window(), &client);
    const int width = client.right;
    const int height = client.bottom;
    if (!background_.Resize(width, height)) {
        return;
    }
    for (const GradientRow& row : GradientRows(height)) {
        const RECT line = {0, row.y, width + 1, row.y + 1};
        if (HBRUSH brush = CreateSolidBrush(RGB(row.red, row.green, row.blue))) {
            FillRect(background_.Dc(), &line, brush);
            DeleteObject(brush);
        }
    }
    SetBackground(&background_);
}

void Skymere_P::CreateControls() {
    using namespace dialog_layout;
    const HWND form = Window();
    const HFONT font = font_.get();
    constexpr UINT kOneLine = DT_LEFT | DT_SINGLELINE | DT_NOPREFIX;
    const PixelRect panel = Scaled(dialog_layout::Pic_C);
    panel_.Resize(panel.width, panel.height);
    Pic_C.Create(form, kPic_C, panel, PictureLook(&panel_, false, &background_), WS_CLIPCHILDREN);
    const HWND box = Pic_C.Window();

    lblHeading_.Create(
        box, kHeading, Scaled(lbl_Heading),
        LabelLook("BGM", font, kBlack, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX, &panel_));
    for (int kind = 0; kind < 3; ++kind) {
        StaticLook image = PictureLook(&Img_Ra[0], false, &panel_);
        image.notify = form;
        Img_BGM[kind].Create(box, kImg_BGM0 + kind, Scaled(dialog_layout::Img_BGM[kind]), image);
        StaticLook label = LabelLook(kKindCaptions[kind], font, kBlack, kOneLine, &panel_);
        label.notify = form;
        lbl_BGM[kind].Create(box, kLbl_BGM0 + kind, Scaled(dialog_layout::lbl_BGM[kind]), label);
    }

    const PixelRect repeat = Scaled(dialog_layout::BGM_Repeat);
    BGM_Repeat = CreateWindowExW(
        0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
        repeat.x, repeat.y, repeat.width, repeat.height + kRepeatListHeight, box,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBGM_Repeat)), GetModuleHandleW(nullptr),
        nullptr);
    SendMessageW(BGM_Repeat, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The closed box's height follows its edit field: size the field so the box has the
    // table's height.
    RECT shown = {};
    GetWindowRect(BGM_Repeat, &shown);
    const LRESULT field = SendMessageW(BGM_Repeat, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (field != CB_ERR) {
        SendMessageW(BGM_Repeat, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                     field + repeat.height - (shown.bottom - shown.top));
    }
    lblRepeat_.Create(box, kRepeatCaption, Scaled(lbl_Repeat),
                      LabelLook(kRepeatCaptionText, font, kBlack, kOneLine, &panel_));

    const auto place = [this, form](int id, const PixelRect& rect) {
        return CommandPlacement{.id = id, .place = Scaled(rect), .notify = form};
    };
    Cmd_File.Create(box, place(kCmd_File, dialog_layout::Cmd_File), "...", skins_);
    lbl_Fname.Create(box, kLbl_Fname, Scaled(dialog_layout::lbl_Fname),
                     LabelLook("", font, kBlack,
                               DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX, &panel_));
    Image1.Create(box, kImage1, Scaled(dialog_layout::Image1),
                  PictureLook(&jetPhoto_, true, &panel_));

    lblCredit_.Create(form, kCredit, Scaled(lbl_Credit),
                      LabelLook(kCreditText, font, kWhite, kOneLine, &background_));
    StaticLook link = LabelLook(kUrl, underlinedFont_.get(), kWhite, kOneLine, &background_);
    link.cursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
    link.notify = form;
    link.clicks = true;
    lbl_URL.Create(form, kLbl_URL, Scaled(dialog_layout::lbl_URL), link);
    Cmd_Set.Create(form, place(kCmd_Set, dialog_layout::Cmd_Set), "設定", skins_);
    Cmd_Can.Create(form, place(kCmd_Can, dialog_layout::Cmd_Can), "ｷｬﾝｾﾙ", skins_);
}

void Skymere_P::InitButtons() {
    for (CommandWindow* button : {&Cmd_File, &Cmd_Set, &Cmd_Can}) {
        if (button->Window() != nullptr) {  // one that could not be made is skipped
            button->Initialize();
        }
    }
}

void Skymere_P::TileBackground(PictureSurface& box) {
    if (box.IsEmpty() || Pic_Mbl.IsEmpty()) {
        return;
    }
    for (const PixelPoint& at :
         TileCopies(box.Width(), box.Height(), Pic_Mbl.Width(), Pic_Mbl.Height())) {
        BitBlt(box.Dc(), at.x, at.y, Pic_Mbl.Width(), Pic_Mbl.Height(), Pic_Mbl.Dc(), 0, 0,
               SRCCOPY);
    }
    // Shape3 lies on the panel's image, under the heading.
    const PixelRect frame = Scaled(dialog_layout::Shape3);
    const RECT outline = {frame.x, frame.y, frame.x + frame.width, frame.y + frame.height};
    FrameRect(box.Dc(), &outline, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Pic_C.Refresh();
}

void Skymere_P::ShowKind(int kind) {
    const KindSelection selection = ::SelectKind(static_cast<std::int16_t>(kind));
    for (int box = 0; box < 3; ++box) {
        Img_BGM[box].SetPicture(&Img_Ra[selection.markedBox == box ? 1 : 0]);
    }
    EnableWindow(BGM_Repeat, selection.repeatEnabled ? TRUE : FALSE);
    Cmd_File.SetEnabled(selection.cmdFileEnabled);
    // The window follows, so that a disabled button takes no input and others can see it.
    EnableWindow(Cmd_File.Window(), selection.cmdFileEnabled ? TRUE : FALSE);
}

void Skymere_P::SelectKind(int kind) {
    state_.BGMMode = static_cast<std::int16_t>(kind);
    ShowKind(kind);
}

void Skymere_P::OnCommand(int controlId, int notification, HWND) {
    if (notification == StaticControl::kMouseDown) {
        if (controlId >= kImg_BGM0 && controlId <= kImg_BGM2) {
            SelectKind(controlId - kImg_BGM0);
        } else if (controlId >= kLbl_BGM0 && controlId <= kLbl_BGM2) {
            SelectKind(controlId - kLbl_BGM0);
        }
        return;
    }
    if (notification == StaticControl::kClick && controlId == kLbl_URL) {
        lbl_URL_Click();
        return;
    }
    if (notification != BN_CLICKED) {
        return;
    }
    switch (controlId) {
        case kCmd_File:
            Cmd_File_Click();
            break;
        case kCmd_Set:
            Cmd_Set_Click();
            break;
        case kCmd_Can:
            Cmd_Can_Click();
            break;
        default:
            break;
    }
}

void Skymere_P::Cmd_File_Click() {
    const std::optional<std::string> chosen = ChooseBgmFile(Window(), state_.InitDir);
    if (!chosen) {
        return;
    }
    // The kind stays as it is: choosing a file does not select sound files.
    state_.BGMFile = *chosen;
    lbl_Fname.SetCaption(state_.BGMFile);
    state_.InitDir = DirOf(state_.BGMFile);
}

void Skymere_P::Cmd_Set_Click() {
    state_.BGMRepeat = RepeatFromText(RepeatComboText());
    if (!SaveSettings(files_, programFolder_, state_)) {
        // The file stays as it was; the dialog stays open so that the choice is not lost.
        ShowMessageBox(kSaveFailedText + SettingsFilePath(programFolder_) + kSaveFailedAdvice,
                       kMessageCaption, Window());
        return;
    }
    Unload();
}

void Skymere_P::Cmd_Can_Click() {
    Unload();
}

void Skymere_P::lbl_URL_Click() {
    SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    ShellExecuteW(Window(), L"open", Utf8ToWide(lbl_URL.Caption()).c_str(), L"", L"",
                  SW_SHOWNORMAL);
    SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
}

std::string Skymere_P::RepeatComboText() const {
    // Read even while the box is disabled: Set saves whatever it shows.
    const int length = GetWindowTextLengthW(BGM_Repeat);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(BGM_Repeat, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return WideToUtf8(text);
}
