#include "shell/LbButtons.h"

TLbColorStyleColors GetColorStyleColors(TLbColorStyle ColorStyle) {
    // clang-format off
    switch (ColorStyle) {
    case lcsGold:
        return {RGBColor(0xC0, 0xC0, 0x00), RGBColor(0xFF, 0xFF, 0x00), RGBColor(0x80, 0x80, 0x00), clNone,
                RGBColor(0xDF, 0xDF, 0x00), clBlack, false, bsModern};
    case lcsChrome:
        return {RGBColor(0xC0, 0xC0, 0xC0), RGBColor(0xFF, 0xFF, 0xFF), RGBColor(0x80, 0x80, 0x80), clNone, clNone,
                clBlack, false, bsModern};
    case lcsBlue:
        return {RGBColor(0x00, 0x80, 0xFF), RGBColor(0x00, 0xFF, 0xFF), RGBColor(0x00, 0x00, 0xFF), clNone, clNone,
                clBlack, false, bsModern};
    case lcsRed:
        return {RGBColor(0xFF, 0x00, 0x00), RGBColor(0xFF, 0xC0, 0xC0), RGBColor(0xC0, 0x00, 0x00), clNone, clNone,
                clBlack, false, bsModern};
    case lcsUltraFlat1:
        return {clBtnFace, RGBColor(0x84, 0x92, 0xB5), RGBColor(0x84, 0x92, 0xB5), RGBColor(0x84, 0x92, 0xB5),
                RGBColor(0xD6, 0xD3, 0xDE), clBlack, true, bsNormal};
    case lcsUltraFlat2:
        return {clBtnFace, clBlack, clBlack, RGBColor(0xBC, 0xDA, 0x24), RGBColor(0xE4, 0xF6, 0x8C), clBlack, true,
                bsNormal};
    case lcsUltraFlatXP:
        return {RGBColor(0xDB, 0xD8, 0xD1), RGBColor(0x84, 0x92, 0xB5), RGBColor(0x85, 0x92, 0xB5),
                RGBColor(0x85, 0x92, 0xB5), RGBColor(0xB6, 0xBD, 0xD2), clBlack, true, bsNormal};
    case lcsAqua:
        return {RGBColor(0x94, 0xCE, 0xEC), RGBColor(0xD4, 0xE6, 0xFC), clBlack, clNone, clNone, clBlack, false,
                bsModern};
    case lcsDefault:
        return {clBtnFace, clWhite, RGBColor(0x80, 0x80, 0x80), clNone, clNone, clBlack, false, bsNormal};
    case lcsQuicken:
        return {RGBColor(0x00, 0x30, 0x60), RGBColor(0xC0, 0xC0, 0xC0), RGBColor(0xC0, 0xC0, 0xC0),
                RGBColor(0x29, 0x65, 0xAD), RGBColor(0x9C, 0xAE, 0xCE), clWhite, false, bsQuicken};
    case lcsCustom:
        break;
    }
    // clang-format on
    return {clBtnFace, clWhite, clBlack, clNone, clNone, clBlack, false, bsNormal};
}
