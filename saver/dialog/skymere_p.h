#pragma once
// Skymere_P, the settings dialog that configure mode shows modally. It chooses the music of
// a screen-saver run (none, a music CD with a track to repeat, or an MP3 or WAV file) and
// saves the choice with Set; Cancel and the close box leave the settings file alone. The
// rules it follows are in dialog_rules.h and its geometry in dialog_layout.h; this form only
// builds the controls and moves values between them and the shared state.
//
// Its caption "<Soravane>" also tells a later start of the saver that the dialog is open.
#include <windows.h>

#include <array>
#include <string>

#include "saver/dialog/button/command_skin_set.h"
#include "saver/dialog/button/command_window.h"
#include "saver/dialog/layout.h"
#include "saver/runtime/form.h"
#include "saver/runtime/picture_surface.h"
#include "saver/runtime/static_control.h"
#include "saver/runtime/win32_handles.h"
#include "saver/settings/file_port.h"
#include "saver/settings/shared_state.h"
#include "soravane_version.h"

class Skymere_P : public Form {
public:
    // Control ids, for WM_COMMAND and for finding the controls from outside.
    enum ControlId : int {
        kPic_C = 100,
        kHeading,  // lbl (15)
        kImg_BGM0,
        kImg_BGM1,
        kImg_BGM2,
        kLbl_BGM0,
        kLbl_BGM1,
        kLbl_BGM2,
        kBGM_Repeat,
        kRepeatCaption,  // lbl (14)
        kCmd_File,
        kLbl_Fname,
        kImage1,
        kCredit,  // lbl (7)
        kLbl_URL,
        kCmd_Set,
        kCmd_Can,
    };

    static constexpr char kUrl[] = "https://example.com/soravane";
    // Short enough for its 165-pixel label in any of the dialog's faces.
    static constexpr char kCreditText[] = "Soravane 3D  Ver." SORAVANE_VERSION_TEXT;

    // `state` is Skymere_B's shared state; the settings are saved through `files` to the
    // settings file of `programFolder`; `resources` holds the built-in pictures.
    Skymere_P(Application& application, SharedState& state, FilePort& files,
              std::string programFolder, HMODULE resources);

    // What the user can do, as the control handlers do it; the tests drive the form here.
    void SelectKind(int kind);  // mouse-down on Img_BGM (kind) or lbl_BGM (kind)
    void Cmd_Set_Click();
    void Cmd_Can_Click();

protected:
    void OnLoad() override;
    void OnUnload() override;
    void OnCommand(int controlId, int notification, HWND control) override;

private:
    void CreateControls();
    void Form_Resize();
    void InitButtons();
    void TileBackground(PictureSurface& box);
    void ShowKind(int kind);
    void Cmd_File_Click();
    void lbl_URL_Click();
    std::string RepeatComboText() const;
    PixelRect Scaled(const PixelRect& rect) const { return ScaleForDpi(rect, dpi_); }

    SharedState& state_;
    FilePort& files_;
    std::string programFolder_;
    HMODULE resources_;
    int dpi_ = dialog_layout::kDesignDpi;

    GdiObject<HFONT> font_;
    GdiObject<HFONT> underlinedFont_;
    CommandSkinSet skins_;

    PictureSurface background_;            // the gradient, the form's persistent image
    PictureSurface panel_;                 // Pic_C's persistent image: the tiled strip and Shape3
    PictureSurface Pic_Mbl;                // the tile
    std::array<PictureSurface, 2> Img_Ra;  // (0) an empty box, (1) a marked one
    PictureSurface jetPhoto_;

    StaticControl Pic_C;
    StaticControl lblHeading_;
    std::array<StaticControl, 3> Img_BGM;
    std::array<StaticControl, 3> lbl_BGM;
    HWND BGM_Repeat = nullptr;
    StaticControl lblRepeat_;
    CommandWindow Cmd_File;
    StaticControl lbl_Fname;
    StaticControl Image1;
    StaticControl lblCredit_;
    StaticControl lbl_URL;
    CommandWindow Cmd_Set;
    CommandWindow Cmd_Can;
};
