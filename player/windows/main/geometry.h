#pragma once
// The main window's figures, shared by its description, its layout, the
// engine's video window and the sizing to a video: named here once.
namespace player::geometry {

// The size the window is described with, before the settings apply.
inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 560;

// The smallest remembered size the window takes from the settings: below it
// the bars and their buttons no longer fit, and the user could not reach them
// to make the window larger again.
inline constexpr int kSmallestWidth = 400;
inline constexpr int kSmallestHeight = 200;

// The video area is what the two bars leave.
inline constexpr int kTopBarHeight = 40;
inline constexpr int kBottomBarHeight = 70;
inline constexpr int kBarsHeight = kTopBarHeight + kBottomBarHeight;
inline constexpr int kVideoTop = kTopBarHeight;

// Where the layout keeps the units as the window's width changes. The caption
// buttons keep their distance from the right edge.
inline constexpr int kCloseButtonFromRight = 17;
inline constexpr int kMaximiseButtonFromRight = 44;
inline constexpr int kMinimiseButtonFromRight = 71;
// The transport buttons stay grouped round the play/pause button in the middle
// of the bottom bar: its left is the middle less this.
inline constexpr double kPlayPauseHalfWidth = 24.5;
inline constexpr int kPreviousBeforePlayPause = 56;   // previous.left = playPause.left − this
inline constexpr int kStopBeforePrevious = 73;
inline constexpr int kNextAfterPlayPause = 65;        // next.left = playPause.left + this
inline constexpr int kOpenAfterNext = 73;
// The volume and full-screen controls keep to the bar's right end.
inline constexpr int kMuteFromRight = 172;
inline constexpr int kVolumeFromRight = 150;
inline constexpr int kFullScreenFromRight = 40;
inline constexpr int kProgressLabelLeft = 5;

}  // namespace player::geometry
