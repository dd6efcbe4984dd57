// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>

namespace plakora {

// The text before any device was picked from the list; the underscore sets the first poster
// of a run apart from one made after picking device 1 again.
inline constexpr const char* kInitialDeviceText = "1号设备_";
inline constexpr std::array<const char*, 5> kDeviceTexts = {"1号设备", "2号设备", "3号设备",
                                                            "4号设备", "5号设备"};

// The device named in the poster file and the status line: empty until the window is created,
// afterwards always one of the texts above.
extern QString currentDeviceText;

// Exit routine: lets go of the program's global state.
void ReleaseGlobals();

}  // namespace plakora
