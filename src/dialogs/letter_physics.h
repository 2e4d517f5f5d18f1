// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

#include <functional>

namespace lm {

// One letter of the about box's title: where it belongs, where it is and
// how fast it goes, in pixels and pixels per tick.
struct TLetter {
    double hx = 0, hy = 0;
    double x = 0, y = 0;
    double vx = 0, vy = 0;
    int w = 0, h = 0;  // the label's size
};

// Velocities above 5 are held at 5; negative ones are left alone.
void CapVelocity(TLetter& letter);

// One 20 ms tick for one letter in a client area of `client` with the OK
// button at `button`: cap, move, bounce off the edges and the button, then
// settle towards home or drift there, and brake at random. `oneInSeven` is
// asked once per braking test and says whether that test fires.
void StepLetter(TLetter& letter, QSize client, const QRect& button,
                const std::function<bool()>& oneInSeven);

// The mouse at (mx, my) over the letter, in its own coordinates, pushes it
// away from the pointer.
void PushLetter(TLetter& letter, double mx, double my);

}  // namespace lm
