#pragma once
// The antenna pointing display: where the compass needle and the distance bar end, in twips
// inside their pictures (x to the right, y downwards).

namespace zelora {

struct TwipLine {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    bool visible = true;
};

// The needle (Line1) in the compass picture, 1815 x 1815 twips: pointing north at start.
inline constexpr TwipLine kNeedleAtStart{860, 840, 860, 240, true};
// The distance bar (Line2) in the kilometre-scale picture, 3375 x 630 twips: hidden at start.
inline constexpr TwipLine kBarAtStart{720, 120, 720, 120, false};

inline constexpr float kCompassPictureTwips = 1815;
inline constexpr float kScalePictureWidthTwips = 3375;
inline constexpr float kScalePictureHeightTwips = 630;
inline constexpr float kTwipsPerPixel = 15;

// The needle turned to `qtf_degrees` (0 north, clockwise); its start point stays.
TwipLine needle_pointing(TwipLine needle, double qtf_degrees);
// The bar shown and stretched to `qrb_km` at 2.15 twips a kilometre; its start point stays.
TwipLine bar_for_distance(TwipLine bar, double qrb_km);

}  // namespace zelora
