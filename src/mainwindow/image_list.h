// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

namespace lm {

// The 17 pictures of 16 x 16 px shared by the toolbar, the list rows and the
// tray icon, built into the program from resources/images, each also drawn
// at 32 and 48 px for scaled screens.
class TImageList1 {
public:
    static constexpr int kCount = 17;
    static constexpr int kSize = 16;

    enum Index : int {
        AddFiles = 0,
        AddDirectory = 1,
        SaveLinks = 2,
        CopyAll = 3,
        CopySelected = 4,
        RemoveAll = 5,
        RemoveSelected = 6,
        Sort = 7,
        Stop = 8,
        Exit = 9,
        Emblem = 10,
        LampGrey = 11,
        LampGreen = 12,
        LampYellow = 13,
        LampRed = 14,
        Pause = 15,
        Resume = 16,
    };

    static bool Has(int index) { return index >= 0 && index < kCount; }
    // The 16 x 16 picture; a null pixmap for an index outside 0 to 16.
    static QPixmap Picture(int index);
    // The picture with its larger versions, for the application's palette:
    // in a dark one the dark marks that stand on the toolbar itself (the
    // "#" of Copy Selected and Remove Selected, Sort's digits and arrow)
    // are drawn light. A null icon for an index outside 0 to 16.
    static QIcon Icon(int index);
};

}  // namespace lm
