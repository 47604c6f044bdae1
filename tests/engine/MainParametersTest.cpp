#include "engine/Article.hpp"
#include "engine/host/Main.hpp"

#include "../support/AddOnFixture.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/ProjectBuilder.hpp"

using hostplatform::Faults;
using hostplatform::ProjectBuilder;

namespace {

class MainParametersTest : public AddOnTest {};

TEST_F(MainParametersTest, FirstParameterOfANameDecidesIgnoringCase) {
    ProjectBuilder b;
    const API_Guid object = b.AddElement(API_ObjectID)
                                .Parameter("Breedte", 1.2)
                                .Parameter("breedte", 9.9)
                                .ArrayParameter("Lijst")
                                .Parameter("lijst", 4.0)
                                .TextParameter("Type profiel", "HEA 200")
                                .Parameter("Zichtbaar", 1.0)
                                .Parameter("Verborgen", 0.0);
    b.Install();

    EXPECT_TRUE(Main::HasParameter(object, "BREEDTE"));
    EXPECT_TRUE(Main::HasParameter(object, "Lijst")); // arrays exist, they only have no value
    EXPECT_FALSE(Main::HasParameter(object, "Hoogte"));

    EXPECT_DOUBLE_EQ(Main::GetParameterDouble(object, "breedte"), 1.2);
    EXPECT_DOUBLE_EQ(Main::GetParameterDouble(object, "LIJST"), 0.0);
    EXPECT_DOUBLE_EQ(Main::GetParameterDouble(object, "Type profiel"), 0.0);
    EXPECT_DOUBLE_EQ(Main::GetParameterDouble(object, "Hoogte"), 0.0);

    EXPECT_EQ(Main::GetParameterString(object, "type PROFIEL"), "HEA 200");
    EXPECT_EQ(Main::GetParameterString(object, "Breedte"), "");
    EXPECT_EQ(Main::GetParameterString(object, "Lijst"), "");

    EXPECT_TRUE(Main::GetParameterBool(object, "Zichtbaar"));
    EXPECT_FALSE(Main::GetParameterBool(object, "Verborgen"));
    EXPECT_FALSE(Main::GetParameterBool(object, "Hoogte"));

    API_Element element;
    ASSERT_TRUE(Main::GetElement(object, element));
    EXPECT_TRUE(Main::HasParameter(element, "breedte"));
    EXPECT_DOUBLE_EQ(Main::GetParameterDouble(element, "Breedte"), 1.2);
    EXPECT_EQ(Main::GetParameterString(element, "Type profiel"), "HEA 200");
}

TEST_F(MainParametersTest, UnreadableElementOrMemoGivesNeutralValues) {
    ProjectBuilder b;
    const API_Guid object = b.AddElement(API_ObjectID).Parameter("A", 2.0).TextParameter("T", "x");
    const API_Guid other = b.AddElement(API_ObjectID).Parameter("A", 3.0);
    b.Install();

    for (const char* call : {"ACAPI_Element_Get", "ACAPI_Element_GetMemo"}) {
        Faults::Clear();
        Faults::FailCallFor(call, object);
        EXPECT_FALSE(Main::HasParameter(object, "A")) << call;
        EXPECT_DOUBLE_EQ(Main::GetParameterDouble(object, "A"), 0.0) << call;
        EXPECT_EQ(Main::GetParameterString(object, "T"), "") << call;
        EXPECT_DOUBLE_EQ(Main::GetBaseSurface(object), 0.0) << call;
        EXPECT_DOUBLE_EQ(Main::GetParameterDouble(other, "A"), 3.0) << call;
    }
    EXPECT_DOUBLE_EQ(Main::GetParameterDouble(b.NewGuid(), "A"), 0.0);
}

TEST_F(MainParametersTest, BaseSurfaceAndVolumeMultiplyTheFirstParameters) {
    ProjectBuilder b;
    const API_Guid box = b.AddElement(API_ObjectID)
                             .Parameter("A", 2.0)
                             .Parameter("B", 3.0)
                             .Parameter("ZZ", 4.0)
                             .Parameter("x", 10.0);
    const API_Guid flat = b.AddElement(API_ObjectID).Parameter("A", 2.0).Parameter("B", 3.0);
    const API_Guid single = b.AddElement(API_ObjectID).Parameter("A", 2.0);
    const API_Guid texted =
        b.AddElement(API_ObjectID).Parameter("A", 2.0).TextParameter("B", "3").Parameter("C", 4.0);
    const API_Guid arrayed =
        b.AddElement(API_ObjectID).Parameter("A", 2.0).Parameter("B", 3.0).ArrayParameter("C");
    const API_Guid wall = b.AddElement(API_WallID).Id("W-1");
    b.Install();

    EXPECT_DOUBLE_EQ(Main::GetBaseSurface(box), 6.0);
    EXPECT_DOUBLE_EQ(Main::GetBaseVolume(box), 24.0);
    EXPECT_DOUBLE_EQ(Main::GetBaseSurface(flat), 6.0);
    EXPECT_DOUBLE_EQ(Main::GetBaseVolume(flat), 0.0);
    EXPECT_DOUBLE_EQ(Main::GetBaseSurface(single), 0.0);
    EXPECT_DOUBLE_EQ(Main::GetBaseSurface(texted), 0.0);
    EXPECT_DOUBLE_EQ(Main::GetBaseSurface(arrayed), 6.0);
    EXPECT_DOUBLE_EQ(Main::GetBaseVolume(arrayed), 0.0);
    EXPECT_DOUBLE_EQ(Main::GetBaseVolume(wall), 0.0);
}

Article SizedArticle(const API_Guid& guid) {
    Article article;
    article.guid = guid;
    return article;
}

void MeasureSizes(const API_Guid& guid, Article& article) {
    API_Element element;
    ASSERT_TRUE(Main::GetElement(guid, element));
    Main::GetObjectSizeParameters(element, article);
}

TEST_F(MainParametersTest, ObjectSizesFollowTheFirstRuleThatApplies) {
    ProjectBuilder b;
    const API_Guid bb = b.AddElement(API_ObjectID)
                            .Parameter("rm_StructalLength", 9.0)
                            .Parameter("bh", 0.6)
                            .Parameter("BB", 1.2);
    const API_Guid rm = b.AddElement(API_ObjectID)
                            .Parameter("A", 7.0)
                            .Parameter("rm_ProfileHeight", 0.2)
                            .Parameter("RM_STRUCTALLENGTH", 4.5)
                            .Parameter("rm_ProfileWidth", 0.1);
    const API_Guid plain =
        b.AddElement(API_ObjectID).Parameter("x", 1.0).TextParameter("y", "2").Parameter("z", 3.0);
    const API_Guid shortList = b.AddElement(API_ObjectID).Parameter("x", 1.0).Parameter("y", 2.0);
    const API_Guid shadowed =
        b.AddElement(API_ObjectID).ArrayParameter("BB").Parameter("BB", 5.0).Parameter("BH", 0.5);
    b.Install();

    Article article = SizedArticle(bb);
    MeasureSizes(bb, article);
    EXPECT_DOUBLE_EQ(article.size1, 1.2);
    EXPECT_DOUBLE_EQ(article.size2, 0.6);
    EXPECT_DOUBLE_EQ(article.size3, 0.0); // no "hohruw"

    article = SizedArticle(rm);
    MeasureSizes(rm, article);
    EXPECT_DOUBLE_EQ(article.size1, 4.5);
    EXPECT_DOUBLE_EQ(article.size2, 0.1);
    EXPECT_DOUBLE_EQ(article.size3, 0.2);

    article = SizedArticle(plain);
    MeasureSizes(plain, article);
    EXPECT_DOUBLE_EQ(article.size1, 1.0);
    EXPECT_DOUBLE_EQ(article.size2, 0.0);
    EXPECT_DOUBLE_EQ(article.size3, 3.0);

    article = SizedArticle(shortList);
    MeasureSizes(shortList, article);
    EXPECT_DOUBLE_EQ(article.size2, 2.0);
    EXPECT_DOUBLE_EQ(article.size3, 0.0);

    article = SizedArticle(shadowed);
    MeasureSizes(shadowed, article);
    EXPECT_DOUBLE_EQ(article.size1, 0.0);
    EXPECT_DOUBLE_EQ(article.size2, 0.5);
    EXPECT_DOUBLE_EQ(article.size4, -1.0);
}

TEST_F(MainParametersTest, ObjectSizesStayWhenTheListCannotBeRead) {
    ProjectBuilder b;
    const API_Guid object =
        b.AddElement(API_ObjectID).Parameter("x", 1.0).Parameter("y", 2.0).Parameter("z", 3.0);
    b.Install();

    Article article = SizedArticle(object);
    API_Element element;
    ASSERT_TRUE(Main::GetElement(object, element));
    Faults::FailCallFor("ACAPI_Element_GetMemo", object);
    Main::GetObjectSizeParameters(element, article);
    EXPECT_DOUBLE_EQ(article.size1, -1.0);
    EXPECT_DOUBLE_EQ(article.size2, -1.0);
    EXPECT_DOUBLE_EQ(article.size3, -1.0);
}

} // namespace
