#include "app/skin_library.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace nuvelo::app {
namespace {

// Readable text needs at least this contrast against its background.
constexpr double kReadableContrast = 4.5;

enum class Variant { Light, Soft, Dark };

struct Swatch {
    const char* name;  // UTF-8
    QRgb accent;
    bool hasSoft;  // the grey has no soft variant: it would look like its light one
};

// Hand-chosen accents, ordered round the colour wheel, then a few muted ones
// and a grey. 禾苗 (row 8) is the program's own green: its light variant is
// entry 8, the start-up look.
constexpr std::array<Swatch, 26> kSwatches{{
    {"胭脂", 0xb5303f, true}, {"朱砂", 0xc3402a, true},   {"橘红", 0xd8622a, true},   {"琥珀", 0xc98a20, true},
    {"缃黄", 0xc7a81c, true}, {"松花", 0xa3b022, true},   {"柳绿", 0x6e9f2a, true},   {"禾苗", 0x4a9a3c, true},
    {"翡翠", 0x2a9a63, true}, {"青碧", 0x1f9a8a, true},   {"天水碧", 0x1c8fa8, true}, {"湖蓝", 0x2778b8, true},
    {"靛青", 0x2f5fae, true}, {"宝蓝", 0x3a4fbf, true},   {"群青", 0x4d3ab5, true},   {"黛紫", 0x6a44a8, true},
    {"青莲", 0x8546a8, true}, {"紫罗兰", 0xa043a0, true}, {"品红", 0xb53c8a, true},   {"桃红", 0xc9446e, true},
    {"驼色", 0x9a7b55, true}, {"竹青", 0x5f8c6a, true},   {"石青", 0x4f7690, true},   {"藕荷", 0x8e6a86, true},
    {"赭石", 0x9c5a3c, true}, {"银灰", 0x6f7780, false},
}};

double channelLuminance(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& colour) {
    return 0.2126 * channelLuminance(colour.redF()) + 0.7152 * channelLuminance(colour.greenF()) +
           0.0722 * channelLuminance(colour.blueF());
}

QColor hsl(const QColor& accent, double saturationScale, double lightness) {
    const double hue = std::max(0.0f, accent.hslHueF());  // a grey reports -1
    const double saturation = std::clamp(accent.hslSaturationF() * saturationScale, 0.0, 1.0);
    return QColor::fromHslF(static_cast<float>(hue), static_cast<float>(saturation),
                            static_cast<float>(std::clamp(lightness, 0.0, 1.0)));
}

// Moves `colour` towards black (or white) in small lightness steps until it
// reads against `background`; black and white are the ends of the road.
QColor readableOn(QColor colour, const QColor& background, bool darken) {
    float h = 0, s = 0, l = 0, a = 1;
    colour.getHslF(&h, &s, &l, &a);
    while (contrastRatio(colour, background) < kReadableContrast) {
        if (darken ? l <= 0.0f : l >= 1.0f) break;
        l = std::clamp(l + (darken ? -0.01f : 0.01f), 0.0f, 1.0f);
        colour = QColor::fromHslF(std::max(0.0f, h), s, l);
    }
    return colour;
}

QColor mix(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - share) + b.redF() * share),
                            static_cast<float>(a.greenF() * (1 - share) + b.greenF() * share),
                            static_cast<float>(a.blueF() * (1 - share) + b.blueF() * share));
}

// Lightness and saturation scales of one variant; the text colours are then
// pushed until they read on their backgrounds.
SkinLook makeLook(const Swatch& swatch, Variant variant) {
    const QColor accent = QColor::fromRgb(swatch.accent);
    SkinLook look;
    const bool dark = variant == Variant::Dark;
    const char* suffix = "·浅";
    switch (variant) {
        case Variant::Light:
            look.window = hsl(accent, 0.50, 0.94);
            look.base = hsl(accent, 0.30, 0.985);
            look.alternateBase = hsl(accent, 0.45, 0.955);
            look.button = hsl(accent, 0.55, 0.885);
            look.barTop = hsl(accent, 0.50, 0.97);
            look.barBottom = hsl(accent, 0.60, 0.86);
            look.highlight = hsl(accent, 1.0, std::min(accent.lightnessF(), 0.45f));
            break;
        case Variant::Soft:
            suffix = "·柔";
            look.window = hsl(accent, 0.65, 0.83);
            look.base = hsl(accent, 0.40, 0.955);
            look.alternateBase = hsl(accent, 0.55, 0.91);
            look.button = hsl(accent, 0.65, 0.76);
            look.barTop = hsl(accent, 0.65, 0.88);
            look.barBottom = hsl(accent, 0.70, 0.72);
            look.highlight = hsl(accent, 0.9, 0.34);
            break;
        case Variant::Dark:
            suffix = "·深";
            look.window = hsl(accent, 0.45, 0.17);
            look.base = hsl(accent, 0.35, 0.11);
            look.alternateBase = hsl(accent, 0.40, 0.14);
            look.button = hsl(accent, 0.45, 0.25);
            look.barTop = hsl(accent, 0.50, 0.29);
            look.barBottom = hsl(accent, 0.45, 0.20);
            look.highlight = hsl(accent, 0.85, 0.40);
            break;
    }
    look.name = QString::fromUtf8(swatch.name) + QString::fromUtf8(suffix);
    look.border = dark ? look.barBottom.darker(130) : look.barBottom.darker(118);

    const QColor ink = dark ? hsl(accent, 0.20, 0.92) : hsl(accent, 0.45, 0.13);
    look.windowText = readableOn(ink, look.window, !dark);
    look.text = readableOn(ink, look.base, !dark);
    look.buttonText = readableOn(ink, look.button, !dark);
    look.barText = readableOn(readableOn(ink, look.barTop, !dark), look.barBottom, !dark);

    // Selections carry white text; the highlight darkens until it reads.
    look.highlightedText = QColor(Qt::white);
    look.highlight = readableOn(look.highlight, look.highlightedText, true);

    const QColor title = dark ? hsl(accent, 0.9, 0.68) : hsl(accent, 1.0, 0.32);
    look.groupTitle = readableOn(title, look.window, !dark);
    return look;
}

std::vector<SkinLook> buildEntries() {
    // Every distinct look: the light variants first (so entry 8 is the light
    // 禾苗), then the soft ones, then the dark ones.
    std::vector<SkinLook> distinct;
    for (const Swatch& swatch : kSwatches) distinct.push_back(makeLook(swatch, Variant::Light));
    for (const Swatch& swatch : kSwatches)
        if (swatch.hasSoft) distinct.push_back(makeLook(swatch, Variant::Soft));
    for (const Swatch& swatch : kSwatches) distinct.push_back(makeLook(swatch, Variant::Dark));

    // Two places of the list repeat an earlier entry: 67 is 8, 56 is 51.
    std::vector<SkinLook> entries;
    entries.reserve(kSkinEntryCount);
    auto next = distinct.begin();
    for (int index = 1; index <= kSkinEntryCount; ++index) {
        if (index == 67)
            entries.push_back(entries[8 - 1]);
        else if (index == 56)
            entries.push_back(entries[51 - 1]);
        else if (next != distinct.end())
            entries.push_back(*next++);
    }
    return entries;
}

QString css(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

}  // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QPalette SkinLook::palette() const {
    QPalette result;
    const QColor link = readableOn(groupTitle, base, relativeLuminance(base) > 0.18);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        result.setColor(group, QPalette::Window, window);
        result.setColor(group, QPalette::WindowText, disabled ? mix(windowText, window, 0.55) : windowText);
        result.setColor(group, QPalette::Base, disabled ? window : base);
        result.setColor(group, QPalette::AlternateBase, alternateBase);
        result.setColor(group, QPalette::Text, disabled ? mix(text, base, 0.55) : text);
        result.setColor(group, QPalette::PlaceholderText, mix(text, base, 0.45));
        result.setColor(group, QPalette::Button, button);
        result.setColor(group, QPalette::ButtonText, disabled ? mix(buttonText, button, 0.55) : buttonText);
        result.setColor(group, QPalette::Highlight, disabled ? mix(highlight, window, 0.5) : highlight);
        result.setColor(group, QPalette::HighlightedText, highlightedText);
        result.setColor(group, QPalette::ToolTipBase, base);
        result.setColor(group, QPalette::ToolTipText, text);
        result.setColor(group, QPalette::Link, link);
        result.setColor(group, QPalette::LinkVisited, link.darker(115));
        result.setColor(group, QPalette::BrightText, QColor(Qt::white));
        // The bevels of buttons and frames.
        result.setColor(group, QPalette::Light, button.lighter(140));
        result.setColor(group, QPalette::Midlight, button.lighter(115));
        result.setColor(group, QPalette::Mid, button.darker(130));
        result.setColor(group, QPalette::Dark, button.darker(160));
        result.setColor(group, QPalette::Shadow, button.darker(250));
    }
    return result;
}

QString SkinLook::styleSheet() const {
    const QString gradient = QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
                                 .arg(css(barTop), css(barBottom));
    return QStringLiteral(
               "QToolBar { background: %1; border-bottom: 1px solid %2; }\n"
               "QToolBar QToolButton { color: %3; }\n"
               "QMenuBar { background: %1; color: %3; }\n"
               "QMenuBar::item:selected { background: %4; color: %5; }\n"
               "QStatusBar, QStatusBar QLabel { background: %6; color: %3; }\n"
               "QGroupBox::title { color: %7; }\n")
        .arg(gradient, css(border), css(barText), css(highlight), css(highlightedText), css(barBottom),
             css(groupTitle));
}

bool SkinLook::operator==(const SkinLook& other) const {
    return name == other.name && window == other.window && windowText == other.windowText && base == other.base &&
           alternateBase == other.alternateBase && text == other.text && button == other.button &&
           buttonText == other.buttonText && highlight == other.highlight && highlightedText == other.highlightedText &&
           groupTitle == other.groupTitle && barTop == other.barTop && barBottom == other.barBottom &&
           barText == other.barText && border == other.border;
}

const std::vector<SkinLook>& skinLooks() {
    static const std::vector<SkinLook> entries = buildEntries();
    return entries;
}

const SkinLook& skinEntry(int index) {
    const auto& entries = skinLooks();
    if (index < 1 || index > static_cast<int>(entries.size())) return startupLook();
    return entries[static_cast<size_t>(index - 1)];
}

const SkinLook& startupLook() {
    return skinLooks()[8 - 1];
}

}  // namespace nuvelo::app
