// The window's colours, one name per use.
#pragma once

#include <windows.h>

constexpr COLORREF kPageColour = RGB(0xF4, 0xF7, 0xF9);
constexpr COLORREF kHeaderColour = RGB(0x00, 0x6C, 0x96);
constexpr COLORREF kAccentColour = RGB(0x00, 0x84, 0xB0);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kSubtitleColour = RGB(0xD6, 0xEC, 0xF6);
constexpr COLORREF kWebAddressColour = RGB(0xBE, 0xDC, 0xEB);
constexpr COLORREF kPanelBorderColour = RGB(0xDA, 0xE2, 0xE8);
constexpr COLORREF kSeparatorColour = RGB(0xE4, 0xEA, 0xEE);
constexpr COLORREF kFooterColour = RGB(0xEC, 0xF1, 0xF4);
constexpr COLORREF kMutedTextColour = RGB(0x78, 0x84, 0x8E);
constexpr COLORREF kTextColour = RGB(0x2C, 0x38, 0x42);
constexpr COLORREF kCalculateFill = RGB(0x00, 0x7A, 0xA8);
constexpr COLORREF kCalculatePressedFill = RGB(0x00, 0x64, 0x8A);
constexpr COLORREF kCalculateBorder = RGB(0x00, 0x6A, 0x94);
constexpr COLORREF kButtonPressedFill = RGB(0xE2, 0xEA, 0xF0);
constexpr COLORREF kButtonBorder = RGB(0xCE, 0xD8, 0xE0);
constexpr COLORREF kNormalVerdictColour = RGB(0x00, 0x80, 0x60);
constexpr COLORREF kNoticeVerdictColour = RGB(0xB0, 0x84, 0x00);
constexpr COLORREF kWarningVerdictColour = RGB(0xD6, 0x6C, 0x00);
constexpr COLORREF kDangerVerdictColour = RGB(0xBE, 0x1E, 0x2D);
