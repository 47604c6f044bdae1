#include "../support/AddOnFixture.hpp"
#include "../support/DutchLocale.hpp"
#include "engine/Classification.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using hostplatform::Faults;
using hostplatform::ProjectBuilder;

namespace {

using ClassificationsTest = AddOnTest;

std::vector<std::string> Codes() {
    std::vector<std::string> codes;
    for (const Classification& item : Classifications::Items)
        codes.push_back(item.code.ToUtf8());
    return codes;
}

// Reads a project whose one QELM system holds one item with the description.
Classification ReadOne(const GS::UniString& description) {
    ProjectBuilder b;
    b.AddItem(b.AddSystem("QELM"), APINULLGuid, "10.1.", "Item", description);
    b.Install();
    EXPECT_TRUE(Classifications::ReadFromSystem());
    EXPECT_EQ(Classifications::Items.GetSize(), 1u);
    return Classifications::Items.IsEmpty() ? Classification() : Classifications::Items[0];
}

void ExpectMissingSystemAlert() {
    ASSERT_EQ(hostplatform::Alerts().size(), 1u);
    const hostplatform::AlertRecord& alert = hostplatform::Alerts()[0];
    EXPECT_EQ(alert.type, -3);
    EXPECT_EQ(alert.title, "Telvorm");
    EXPECT_EQ(alert.text, "Importeer de QELM classificatie vanuit de Archicad 28 BE RXE template met de "
                          "Classificatie Manager.");
    EXPECT_EQ(alert.text2, "");
    EXPECT_EQ(alert.button1, "Ok");
    EXPECT_EQ(alert.button2, "");
    EXPECT_EQ(alert.button3, "");
}

TEST_F(ClassificationsTest, ReadsEveryQelmSystemRootByRootDepthFirst) {
    ProjectBuilder b;
    const API_Guid first = b.AddSystem("QELM");
    const API_Guid other = b.AddSystem("qelm");
    const API_Guid second = b.AddSystem("QELM");
    b.AddItem(other, APINULLGuid, "x", "lower-case system");
    const API_Guid root1 = b.AddItem(first, APINULLGuid, "1", "root 1");
    const API_Guid child11 = b.AddItem(first, root1, "1.1", "child");
    b.AddItem(first, child11, "1.1.1", "grandchild");
    b.AddItem(first, root1, "1.2", "second child");
    b.AddItem(first, APINULLGuid, "2", "root 2");
    b.AddItem(second, APINULLGuid, "3", "root of the second system");
    b.Install();

    EXPECT_TRUE(Classifications::ReadFromSystem());
    EXPECT_EQ(Codes(), (std::vector<std::string>{"1", "1.1", "1.1.1", "1.2", "2", "3"}));
    EXPECT_TRUE(hostplatform::Alerts().empty());

    EXPECT_TRUE(Classifications::ReadFromSystem()) << "a second read starts afresh";
    EXPECT_EQ(Codes().size(), 6u);
}

TEST_F(ClassificationsTest, WithoutAQelmSystemAlertsAndLeavesNoItems) {
    Classifications::Items.Push(Classification());
    EXPECT_FALSE(Classifications::ReadFromSystem()) << "no system at all";
    EXPECT_TRUE(Classifications::Items.IsEmpty());
    ExpectMissingSystemAlert();

    hostplatform::ResetHost();
    ProjectBuilder b;
    b.AddItem(b.AddSystem("qelm"), APINULLGuid, "1", "item");
    b.AddSystem("QELM 2");
    b.Install();
    EXPECT_FALSE(Classifications::ReadFromSystem()) << "names differ in case or length";
    EXPECT_TRUE(Classifications::Items.IsEmpty());
    ExpectMissingSystemAlert();
}

TEST_F(ClassificationsTest, HostErrorListingSystemsAlerts) {
    ProjectBuilder b;
    b.AddItem(b.AddSystem("QELM"), APINULLGuid, "1", "item");
    b.Install();
    Faults::FailCall("ACAPI_Classification_GetClassificationSystems");
    EXPECT_FALSE(Classifications::ReadFromSystem());
    EXPECT_TRUE(Classifications::Items.IsEmpty());
    ExpectMissingSystemAlert();
}

TEST_F(ClassificationsTest, UnreadablePartsOfTheTreeAreLeftOutSilently) {
    ProjectBuilder b;
    const API_Guid broken = b.AddSystem("QELM");
    const API_Guid good = b.AddSystem("QELM");
    b.AddItem(broken, APINULLGuid, "0", "lost");
    const API_Guid root = b.AddItem(good, APINULLGuid, "1", "root");
    const API_Guid child = b.AddItem(good, root, "1.1", "child");
    b.AddItem(good, child, "1.1.1", "lost grandchild");
    b.AddItem(good, root, "1.2", "second child");
    b.Install();
    Faults::FailCallFor("ACAPI_Classification_GetClassificationSystemRootItems", broken);
    Faults::FailCallFor("ACAPI_Classification_GetClassificationItemChildren", child);

    EXPECT_TRUE(Classifications::ReadFromSystem());
    EXPECT_EQ(Codes(), (std::vector<std::string>{"1", "1.1", "1.2"}));
    EXPECT_TRUE(hostplatform::Alerts().empty());

    hostplatform::ResetHost();
    ProjectBuilder empty;
    const API_Guid only = empty.AddSystem("QELM");
    empty.Install();
    Faults::FailCallFor("ACAPI_Classification_GetClassificationSystemRootItems", only);
    EXPECT_TRUE(Classifications::ReadFromSystem()) << "a found system counts even without items";
    EXPECT_TRUE(Classifications::Items.IsEmpty());
    EXPECT_TRUE(hostplatform::Alerts().empty());
}

TEST_F(ClassificationsTest, DescriptionPartsBecomeLinesPriceAndNote) {
    struct Case {
        const char* description;
        const char* line1;
        const char* line2;
        const char* flags;
        double price;
        const char* note;
    };
    const Case cases[] = {
        {"m2\nexport\n12,50\nnota", "m2", "export", "|m2|export|", 12.5, "nota"},
        {"\nkg", "", "kg", "|kg|", 0.0, ""},
        {"", "", "", "", 0.0, ""},
        {"M2\r\nExport\n\r3.5\rNota\n", "M2", "Export", "|m2|export|", 3.5, "Nota"},
        {"st\r\r\n\rnote", "st", "", "|st|", 0.0, "note"},
        {"m2|st||vrij", "m2", "st", "|m2|st|", 0.0, "vrij"},
        {"  m  \n   \n 7 \n  a note  ", "m", "", "|m|", 7.0, "a note"},
        {"a\nb\n1\nnote\nfifth\nsixth", "a", "b", "|a|b|", 1.0, "note"},
        {"Stuks\n\n\n\nfifth", "Stuks", "", "|stuks|", 0.0, ""},
    };
    for (const Case& c : cases) {
        hostplatform::ResetHost();
        SCOPED_TRACE(c.description);
        const Classification item = ReadOne(c.description);
        EXPECT_EQ(item.code.ToUtf8(), "10.1.");
        EXPECT_EQ(item.name.ToUtf8(), "Item");
        EXPECT_EQ(item.line1.ToUtf8(), c.line1);
        EXPECT_EQ(item.line2.ToUtf8(), c.line2);
        EXPECT_EQ(item.flags.ToUtf8(), c.flags);
        EXPECT_DOUBLE_EQ(item.unitPrice, c.price);
        EXPECT_EQ(item.note.ToUtf8(), c.note);
    }
}

TEST_F(ClassificationsTest, UnitPriceReadsTheLeadingNumberOnly) {
    const std::pair<const char*, double> cases[] = {
        {"12,50", 12.5}, {"12.5", 12.5}, {"12,50 EUR", 12.5}, {"1.234,56", 1.234},
        {"abc", 0.0},    {"1e999", 0.0}, {"-1e999", 0.0},     {"nan", 0.0},
        {"inf", 0.0},    {"€ 12", 0.0},  {"-3,25", -3.25},    {"1e-999", 0.0},
    };
    for (const auto& [price, expected] : cases) {
        hostplatform::ResetHost();
        EXPECT_DOUBLE_EQ(ReadOne(GS::UniString("m2\n\n") + price).unitPrice, expected) << price;
    }
}

TEST_F(ClassificationsTest, UnitPriceIgnoresTheProcessLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!testsupport::UseDutchLocale())
        GTEST_SKIP() << "no Dutch locale can be made here";
    char check[16];
    std::snprintf(check, sizeof check, "%.1f", 12.5);
    const std::string inDutch = check;
    const double price = ReadOne("m2\n\n12,50").unitPrice;
    const double pointPrice = ReadOne("m2\n\n1.234,56").unitPrice;
    std::setlocale(LC_ALL, previous.c_str());
    ASSERT_EQ(inDutch, "12,5") << "the locale does not use a decimal comma";
    EXPECT_DOUBLE_EQ(price, 12.5);
    EXPECT_DOUBLE_EQ(pointPrice, 1.234);
}

TEST_F(ClassificationsTest, DegenerateDeepChainIsGatheredWithoutRecursion) {
    constexpr int depth = 100000;
    ProjectBuilder b;
    const API_Guid system = b.AddSystem("QELM");
    API_Guid parent = b.AddItem(system, APINULLGuid, "0", "root");
    for (int level = 1; level < depth; ++level)
        parent = b.AddItem(system, parent, GS::ValueToUniString(Int32{level}), "level");
    b.Install();

    GS::Array<API_ClassificationItem> roots;
    ASSERT_EQ(ACAPI_Classification_GetClassificationSystemRootItems(system, roots), NoError);
    GS::Array<API_ClassificationItem> descendants;
    Classifications::GatherAllDescendantsOfClassification(roots[0], descendants);
    ASSERT_EQ(descendants.GetSize(), static_cast<GS::USize>(depth - 1));
    EXPECT_EQ(descendants[0].id.ToUtf8(), "1");
    EXPECT_EQ(descendants.GetLast().id.ToUtf8(), std::to_string(depth - 1));

    EXPECT_TRUE(Classifications::ReadFromSystem());
    EXPECT_EQ(Classifications::Items.GetSize(), static_cast<GS::USize>(depth));
}

} // namespace
