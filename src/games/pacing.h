#pragma once

class ChatLink;
class HostSettings;

// The pause the games put between their chat lines: the "Delay" setting
// (item 13) read as seconds at the moment of the pause. Text that is not a
// number pauses not at all; a delay longer than a minute is held to a minute
// so that a slip of the keyboard cannot lock the window for hours.
void pacingPause(ChatLink &link, const HostSettings &settings);

// The longest pacing pause, in seconds.
inline constexpr double kLongestPacingPause = 60.0;
