#include "shell/layout_scale.h"

int Scaled(const Scale& scale, int units) { return (units * scale.num + scale.den / 2) / scale.den; }

int ScaledFont(const Scale& scale, int units) { return units * scale.num / scale.den; }

Box ScaledEdges(const Scale& scale, int left, int top, int right, int bottom) {
    return BoxFromEdges(Scaled(scale, left), Scaled(scale, top), Scaled(scale, right), Scaled(scale, bottom));
}

int ScaledLine(const Scale& scale) { return Scaled(scale, 1) > 0 ? Scaled(scale, 1) : 1; }

bool Smaller(const Scale& a, const Scale& b) {
    return static_cast<long long>(a.num) * b.den < static_cast<long long>(b.num) * a.den;
}

Scale ScaleForScreen(const ScreenMetrics& screen, int width, int smallestHeight) {
    Scale scale = {screen.dpi > 0 ? screen.dpi : 96, 96};
    int roomWidth = screen.workArea.width - screen.frameWidth;
    int roomHeight = screen.workArea.height - screen.frameHeight;
    const Scale byWidth = {roomWidth, width};
    const Scale byHeight = {roomHeight, smallestHeight};
    if (roomWidth > 0 && Smaller(byWidth, scale)) scale = byWidth;
    if (roomHeight > 0 && Smaller(byHeight, scale)) scale = byHeight;
    return scale;
}

int RoomHeightInUnits(const ScreenMetrics& screen, const Scale& scale) {
    int roomHeight = screen.workArea.height - screen.frameHeight;
    return roomHeight > 0 ? static_cast<int>(static_cast<long long>(roomHeight) * scale.den / scale.num) : 0;
}
