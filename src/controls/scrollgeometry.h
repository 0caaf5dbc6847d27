#pragma once

namespace qv::gui {

// Arithmetic of the system's scroll bars, along the bar's long axis, in pixels.
//
// Each end holds an arrow button kScrollArrow pixels long. The thumb's state is its
// position (its near edge) and its length; it is drawn kThumbMargin pixels longer than
// that length, and presses within the drawn thumb grab it. The thumb moves between the
// near arrow (position kScrollArrow) and the far arrow (position
// barLength - (thumbLength + 23)); one travel serves both the value-to-thumb and the
// thumb-to-value direction, so a thumb dragged to the far end gives ValueMax.
inline constexpr int kScrollArrow = 17;
inline constexpr int kThumbMargin = 6;

// The thumb length for a bar of the given length: proportional to the share of the range
// that one large step covers, at least 11 pixels, and never longer than the track allows.
int scrollThumbLength(int barLength, int valueMin, int valueMax, int largeChange);

// How far the thumb's position can move: 0 when the bar is too short or the range empty.
int scrollTravel(int barLength, int thumbLength);

// Thumb position of a value: 17 + (value - min) / (max - min) * travel, truncated. An
// empty range (min = max) or a bar without travel leaves the thumb at 17.
int scrollThumbPosition(int barLength, int thumbLength, int value, int valueMin, int valueMax);

// Value of a thumb position: min + (position - 17) / travel * (max - min), truncated and
// kept within min .. max.
int scrollValueAt(int barLength, int thumbLength, int position, int valueMin, int valueMax);

// Keeps a value within min .. max (min wins when the bounds are crossed).
int clampScrollValue(int value, int valueMin, int valueMax);

} // namespace qv::gui
