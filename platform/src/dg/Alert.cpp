// Alerts of the stand-in host's dialog framework: recorded, optionally printed, the first button pressed.
#include "DG.hpp"
#include "HostState.hpp"

#include <cstdio>

namespace {

std::string ButtonList(const hostplatform::AlertRecord& alert) {
    std::string buttons = alert.button1;
    for (const std::string* more : {&alert.button2, &alert.button3})
        if (!more->empty())
            buttons += "/" + *more;
    return buttons;
}

} // namespace

short DGAlert(short alertType, const GS::UniString& title, const GS::UniString& text1,
              const GS::UniString& text2, const GS::UniString& button1, const GS::UniString& button2,
              const GS::UniString& button3) {
    hostplatform::AlertRecord alert;
    alert.type = alertType;
    alert.title = title.ToUtf8();
    alert.text = text1.ToUtf8();
    alert.text2 = text2.ToUtf8();
    alert.button1 = button1.ToUtf8();
    alert.button2 = button2.ToUtf8();
    alert.button3 = button3.ToUtf8();
    auto& state = hostplatform::detail::State();
    if (state.printAlerts)
        std::fprintf(stderr, "[alert] %s: %s | %s [%s]\n", alert.title.c_str(), alert.text.c_str(),
                     alert.text2.c_str(), ButtonList(alert).c_str());
    state.alerts.push_back(std::move(alert));
    return 1;
}
