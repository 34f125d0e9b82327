#pragma once
// Resource ids of Soravane.scr, shared by the resource script and the code. Plain macros,
// because the resource compiler reads this header too.
#define SORAVANE_RESOURCE_PUFF 101  // puff.bmp: Skymere_S's Pic_2, 32 x 32
#define SORAVANE_RESOURCE_SKY 102   // sky.bmp: Skymere_S's Pic_3, 512 x 512
#define SORAVANE_RESOURCE_ICON 1    // soravane.ico: the program's and the dialog's icon

// The settings dialog Skymere_P.
#define SORAVANE_RESOURCE_SKIN_NORMAL 103  // the Command button's five skins, 64 x 25
#define SORAVANE_RESOURCE_SKIN_HIGHLIGHT 104
#define SORAVANE_RESOURCE_SKIN_SELECTED 105
#define SORAVANE_RESOURCE_SKIN_PRESSED 106
#define SORAVANE_RESOURCE_SKIN_DISABLE 107
#define SORAVANE_RESOURCE_JET_PHOTO 108    // Image1, 270 x 202
#define SORAVANE_RESOURCE_METAL_STRIP 109  // Pic_Mbl, the panel's tile, 556 x 20
#define SORAVANE_RESOURCE_BOX_EMPTY 110    // Img_Ra (0), 12 x 12
#define SORAVANE_RESOURCE_BOX_CHECKED 111  // Img_Ra (1), 12 x 12

// The preview Skymere_R.
#define SORAVANE_RESOURCE_PREVIEW 112       // Img_Prev, 152 x 112
#define SORAVANE_RESOURCE_PREVIEW_BACK 113  // the form's background picture, 152 x 112
