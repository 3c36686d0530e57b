#pragma once
// Small value types shared by every control: mouse buttons, shift state,
// alignment and the enumerations that window descriptions store by name.

#include <QObject>
#include <cstdint>

namespace fw {
Q_NAMESPACE

enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

enum TShiftStateFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_FLAG_NS(TShiftState)

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TComponentStateFlag { csLoading = 0x01, csDesigning = 0x02, csDestroying = 0x04 };
Q_DECLARE_FLAGS(TComponentState, TComponentStateFlag)
Q_FLAG_NS(TComponentState)

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TFormBorderStyle)

enum TBorderIcon { biSystemMenu = 0x01, biMinimize = 0x02, biMaximize = 0x04, biHelp = 0x08 };
Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)
Q_FLAG_NS(TBorderIcons)

enum TCursor {
    crDefault = 0, crArrow = -2, crCross = -3, crHourGlass = -11, crDrag = -12, crNoDrop = -13,
    crMultiDrag = -16, crHandPoint = -21, crSizeAll = -22
};
Q_ENUM_NS(TCursor)

// Drag and drop between controls: how a drag begins, what it is for, and
// where the pointer is relative to the control asked about it.
enum TDragMode { dmManual, dmAutomatic };
Q_ENUM_NS(TDragMode)
enum TDragKind { dkDrag, dkDock };
Q_ENUM_NS(TDragKind)
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
Q_ENUM_NS(TDragState)

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
Q_ENUM_NS(TButtonLayout)

enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)
enum TFontPitch { fpDefault, fpVariable, fpFixed };
Q_ENUM_NS(TFontPitch)
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
Q_ENUM_NS(TPenStyle)
// The sixteen binary raster operations, in the classic order.
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
Q_ENUM_NS(TPenMode)
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
Q_ENUM_NS(TBrushStyle)
enum TFillStyle { fsSurface, fsBorder };
Q_ENUM_NS(TFillStyle)
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
Q_ENUM_NS(TPixelFormat)
enum TTransparentMode { tmAuto, tmFixed };
Q_ENUM_NS(TTransparentMode)
} // namespace fw

Q_DECLARE_OPERATORS_FOR_FLAGS(fw::TShiftState)
Q_DECLARE_OPERATORS_FOR_FLAGS(fw::TComponentState)
Q_DECLARE_OPERATORS_FOR_FLAGS(fw::TBorderIcons)
Q_DECLARE_OPERATORS_FOR_FLAGS(fw::TFontStyles)

// The classic names are used unqualified: each type and its enumerators are
// named in the global namespace one by one, so nothing else of fw (its
// meta-object above all) lands in a program that includes this header.
using fw::TMouseButton;
using enum fw::TMouseButton;
using fw::TShiftStateFlag;
using enum fw::TShiftStateFlag;
using fw::TAlign;
using enum fw::TAlign;
using fw::TAlignment;
using enum fw::TAlignment;
using fw::TComponentStateFlag;
using enum fw::TComponentStateFlag;
using fw::TBevelCut;
using enum fw::TBevelCut;
using fw::TFormBorderStyle;
using enum fw::TFormBorderStyle;
using fw::TBorderIcon;
using enum fw::TBorderIcon;
using fw::TCursor;
using enum fw::TCursor;
using fw::TDragMode;
using enum fw::TDragMode;
using fw::TDragKind;
using enum fw::TDragKind;
using fw::TDragState;
using enum fw::TDragState;
using fw::TButtonLayout;
using enum fw::TButtonLayout;
using fw::TFontStyle;
using enum fw::TFontStyle;
using fw::TFontPitch;
using enum fw::TFontPitch;
using fw::TPenStyle;
using enum fw::TPenStyle;
using fw::TPenMode;
using enum fw::TPenMode;
using fw::TBrushStyle;
using enum fw::TBrushStyle;
using fw::TFillStyle;
using enum fw::TFillStyle;
using fw::TPixelFormat;
using enum fw::TPixelFormat;
using fw::TTransparentMode;
using enum fw::TTransparentMode;
using fw::TShiftState;
using fw::TComponentState;
using fw::TBorderIcons;
using fw::TFontStyles;

// Classic virtual-key codes, as KeyDown receives them.
namespace VK {
constexpr uint16_t Back = 8, Tab = 9, Clear = 12, Return = 13, Shift = 16, Control = 17, Menu = 18,
                   Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37,
                   Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46, Add = 107,
                   Subtract = 109, F1 = 112;
} // namespace VK

// Classic integer helper: a * b / c with 64-bit intermediate, rounded half away from zero.
inline int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const int64_t p = int64_t(a) * b;
    const int64_t ap = p < 0 ? -p : p;
    const int64_t ac = c < 0 ? -int64_t(c) : int64_t(c);
    const int64_t q = (ap + ac / 2) / ac;
    return int(((p < 0) != (c < 0)) ? -q : q);
}
