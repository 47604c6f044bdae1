// A dialog layout and a callback that records every message with its decoded data, for the tests of
// the stand-in's dialog framework.
#pragma once

#include "../support/HostFixture.hpp"
#include "DG.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace dialogtest {

constexpr short TestDialog = 32600;
constexpr DGUserData TestUserData = 0x1234567890;

struct Message {
    short message = 0;
    short dialId = 0;
    short item = 0;
    DGUserData userData = 0;
    DGMessageData data = 0;
    Int32 listRow = 0; // click and tooltip data
    short xPos = 0;    // click data
};

inline std::vector<Message> messages;
// Answers a message; the default answers 0.
inline std::function<short(const Message&, DGMessageData)> answer;

inline short RecordingCallback(short message, short dialId, short item, DGUserData userData,
                               DGMessageData data) {
    Message m{message, dialId, item, userData, data};
    if ((message == DG_MSG_CLICK || message == DG_MSG_DOUBLECLICK) && data != 0) {
        const auto* click = reinterpret_cast<const DGItemClickData*>(data);
        m.listRow = click->listRow;
        m.xPos = click->xPos;
    } else if (message == DG_MSG_TOOLTIP && data != 0) {
        m.listRow = reinterpret_cast<const DGToolTipData*>(data)->listRow;
    }
    messages.push_back(m);
    return answer ? answer(m, data) : 0;
}

inline hostplatform::DialogLayout TestLayout() {
    using hostplatform::DialogItemType;
    hostplatform::DialogLayout layout{TestDialog, "Palet", 400, 300, {}};
    layout.items = {
        {1, DialogItemType::Button, "Sluiten", false, true, 0, 0, 0, 20, 20, "DialogHelpAnchor-close", false},
        {2, DialogItemType::Text, "Artikelen", true, true, 0, 10, 10, 80, 20, "", false},
        {5, DialogItemType::EditText, "", true, true, 0, 100, 10, 120, 20, "", false},
        {7, DialogItemType::ListBox, "", true, true, 0, 10, 40, 380, 200, "", false},
        {8, DialogItemType::ListBox, "", true, true, 0, 10, 40, 380, 200, "", true},
        {14, DialogItemType::Button, "Exporteren", true, false, 0, 300, 260, 80, 20, "", false},
    };
    return layout;
}

class DialogTest : public HostTest {
  protected:
    void SetUp() override {
        HostTest::SetUp();
        messages.clear();
        answer = nullptr;
        hostplatform::RegisterDialogLayout(TestLayout());
    }
    // The test dialog closes as the user closes it; any other dialog left open fails the test.
    void TearDown() override {
        if (DGIsDialogOpen(TestDialog))
            DGModelessClose(TestDialog);
        answer = nullptr;
        HostTest::TearDown();
    }
    static short OpenTestDialog() {
        return DGModelessInit(1, TestDialog, 1, RecordingCallback, TestUserData, 1);
    }
};

} // namespace dialogtest
