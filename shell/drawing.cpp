#include "shell/drawing.h"

#include "shell/palette.h"
#include "shell/shell_texts.h"

const wchar_t kInterfaceFace[] = L"Microsoft YaHei UI";
const wchar_t kFixedWidthFace[] = L"Consolas";

namespace {

// No text here ever wraps.
constexpr UINT kTextFlags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;

constexpr int kButtonCaptionCapacity = 64;
// The focus rectangle stands this far inside a button's border.
constexpr int kFocusInset = 4;

struct ButtonScheme {
    COLORREF fill;
    COLORREF pressedFill;
    COLORREF border;
    COLORREF caption;
};

constexpr ButtonScheme kPrimaryScheme = {kCalculateFill, kCalculatePressedFill, kCalculateBorder, kWhite};
constexpr ButtonScheme kPlainScheme = {kWhite, kButtonPressedFill, kButtonBorder, kTextColour};

}  // namespace

HFONT CreateWindowFont(const wchar_t* face, int height, int weight) {
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

void FillBox(HDC dc, const Box& box, COLORREF colour) {
    RECT rect = {box.x, box.y, box.x + box.width, box.y + box.height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void FrameBox(HDC dc, const Box& box, COLORREF colour, int width) {
    HPEN pen = CreatePen(PS_INSIDEFRAME, width, colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box.x, box.y, box.x + box.width, box.y + box.height);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void DrawTextBox(HDC dc, const Box& box, const wchar_t* text, COLORREF colour, HFONT font,
                 UINT extraFlags) {
    RECT rect = {box.x, box.y, box.x + box.width, box.y + box.height};
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text, -1, &rect, kTextFlags | extraFlags);
    SelectObject(dc, oldFont);
}

void DrawHeaderBand(HDC dc, int width, const HeaderBandLayout& layout, const wchar_t* title,
                    const wchar_t* subtitle, const HeaderBandFonts& fonts) {
    FillBox(dc, BoxFromEdges(0, 0, width, layout.bottom), kHeaderColour);
    FillBox(dc, BoxFromEdges(0, 0, layout.accentWidth, layout.bottom), kAccentColour);
    DrawTextBox(dc, layout.title, title, kWhite, fonts.title, 0);
    DrawTextBox(dc, layout.subtitle, subtitle, kSubtitleColour, fonts.subtitle, 0);
    DrawTextBox(dc, layout.webAddress, kWebAddress, kWebAddressColour, fonts.webAddress, DT_RIGHT);
}

void DrawButtonFace(const DRAWITEMSTRUCT& item, bool primary, HFONT font) {
    const ButtonScheme& scheme = primary ? kPrimaryScheme : kPlainScheme;
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    Box box = BoxFromEdges(item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
    FillBox(item.hDC, box, pressed ? scheme.pressedFill : scheme.fill);
    FrameBox(item.hDC, box, scheme.border, 1);
    wchar_t caption[kButtonCaptionCapacity];
    caption[0] = L'\0';
    GetWindowTextW(item.hwndItem, caption, kButtonCaptionCapacity);
    DrawTextBox(item.hDC, box, caption, scheme.caption, font, DT_CENTER);
    // The keyboard's place, as Windows marks a focused button.
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        SetTextColor(item.hDC, scheme.caption);
        DrawFocusRect(item.hDC, &focus);
    }
}
