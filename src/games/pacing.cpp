#include "games/pacing.h"

#include "chat/chatlink.h"
#include "core/numbertext.h"
#include "settings/hostsettings.h"

#include <algorithm>

void pacingPause(ChatLink &link, const HostSettings &settings)
{
    const double seconds = NumberText::leadingNumber(settings.item(HostSettings::Delay));
    link.Pause(std::min(seconds, kLongestPacingPause));
}
