// SPDX-License-Identifier: MIT
#include "letter_physics.h"

#include <cmath>

namespace lm {

void CapVelocity(TLetter& l) {
    if (l.vx > 5) {
        l.vx = 5;
    }
    if (l.vy > 5) {
        l.vy = 5;
    }
}

void StepLetter(TLetter& l, QSize client, const QRect& button,
                const std::function<bool()>& oneInSeven) {
    const double W = client.width();
    const double H = client.height();
    CapVelocity(l);
    l.x += l.vx;
    l.y += l.vy;

    // The client edges.
    if (l.x < 0) {
        l.x = -l.x;
        l.vx = -l.vx;
    }
    if (l.x + l.w > W) {
        l.x = 2 * W - l.x - 2 * l.w;
        l.vx = -l.vx;
    }
    if (l.y < 0) {
        l.y = -l.y;
        l.vy = -l.vy;
    }
    if (l.y + l.h > H) {
        l.y = 2 * H - l.y - 2 * l.h;
        l.vy = -l.vy;
    }

    // The OK button, which sits in the bottom right corner: off whichever
    // edge the letter went in less deeply.
    const double left = button.left();
    const double top = button.top();
    if (l.x + l.w > left && l.y + l.h > top) {
        if (l.x + l.w - left >= l.y + l.h - top) {
            l.y = 2 * top - l.y - 2 * l.h;
            l.vy = -l.vy;
        } else {
            l.x = 2 * left - l.x - 2 * l.w;
            l.vx = -l.vx;
        }
    }

    const double d = std::abs(l.x - l.hx) + std::abs(l.y - l.hy);
    if (d < 10 && std::abs(l.vx) + std::abs(l.vy) < 2.2) {
        // Settling: slower the closer it gets.
        if (l.x > l.hx && l.vx > -1) {
            l.vx = -d / 10;
        }
        if (l.x < l.hx && l.vx < 1) {
            l.vx = d / 10;
        }
        if (l.y > l.hy && l.vy > -1) {
            l.vy = -d / 10;
        }
        if (l.y < l.hy && l.vy < 1) {
            l.vy = d / 10;
        }
    } else {
        // Drifting home.
        if (l.x > l.hx && l.vx > -1) {
            l.vx -= 0.01;
        }
        if (l.x < l.hx && l.vx < 1) {
            l.vx += 0.01;
        }
        if (l.y > l.hy && l.vy > -1) {
            l.vy -= 0.01;
        }
        if (l.y < l.hy && l.vy < 1) {
            l.vy += 0.01;
        }
    }

    // Random braking.
    if (oneInSeven() && l.hx < l.x && l.vx > 0) {
        l.vx -= 0.01;
    }
    if (oneInSeven() && l.hx > l.x && l.vx < -3) {
        l.vx += 0.01;
    }
    if (oneInSeven() && l.hy < l.y && l.vy > 3) {
        l.vy -= 0.01;
    }
    if (oneInSeven() && l.hy > l.y && l.vy < -3) {
        l.vy += 0.01;
    }
}

void PushLetter(TLetter& l, double mx, double my) {
    const double px = -(mx - l.w / 2.0) * 1.5;
    const double py = -(my - l.h / 2.0);
    if (px < 10 && py < 10) {
        l.vx = (l.vx + px) / 2;
        l.vy = (l.vy + py) / 2;
        CapVelocity(l);
    }
}

}  // namespace lm
