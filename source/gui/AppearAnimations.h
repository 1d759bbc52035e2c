#pragma once
// The standard key-frame channels and the enter and exit animations that
// pages give their widgets: scaling up, moving in from an offset, fading.
// Times are in seconds: t is when the change begins, d how long it takes.

#include "math/Vector2.h"

namespace math {
class Channel;
}

namespace GUI {

class Widget;

// Holds start until t, then reaches start + delta with the tween; ends at
// t + d. New, owned by the caller.
math::Channel *makeChannel(float start, float t, float delta, float d, int tween);
// Overshoots by overshoot, falls back past the end and settles on
// start + delta.
math::Channel *makeBounceChannel(float start, float t, float delta, float d, int tween,
                                 float overshoot);
// Overshoots once and swings back to start + delta.
math::Channel *makeSwingChannel(float start, float t, float delta, float d, int tween,
                                float overshoot);

// Enter: scales up from 0 (bouncing when asked); exit: scales down to 0.
void addAppearAnimations(Widget *widget, float t, float dIn, float dOut, bool bounce);
// Enter: moves from the offset to its place.
void addMoveInAnimation(Widget *widget, math::Vector2 offset, float t, float d, bool bounce);
// Exit: moves from its place by the offset.
void addMoveOutAnimation(Widget *widget, math::Vector2 offset, float t, float d);
void addMoveAnimations(Widget *widget, math::Vector2 offset, float t, float dIn, float dOut,
                       bool bounce);
void addFadeIn(Widget *widget, float t, float d);
void addFadeOut(Widget *widget, float t, float d);
void addFade(Widget *widget, float t, float dIn, float dOut);

} // namespace GUI
