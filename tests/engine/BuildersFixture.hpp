// Shared set-up of the skin and section builder tests: a fresh host and group list per test, the rule
// tables filled, a QELM system to classify with, and the proof at the end of each test that the
// builders released every memo and handle they fetched.
#pragma once

#include "engine/Articles.hpp"
#include "engine/calculation/Calculation.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/Memory.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <string>

class BuildersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        hostplatform::ResetHost();
        static const Articles fillsTheRuleTables;
        Articles::allArticlesGroups.Clear();
        AddGroup("Onbekend", "");
        qelm = b.AddSystem("QELM");
        handlesBefore = hostplatform::LiveHandleCount();
        memosBefore = hostplatform::LiveMemoCount();
    }
    void TearDown() override {
        EXPECT_EQ(hostplatform::LiveHandleCount(), handlesBefore) << "a memory handle was not released";
        EXPECT_EQ(hostplatform::LiveMemoCount(), memosBefore)
            << "a memo or attribute definition was not released";
        Articles::allArticlesGroups.Clear();
        Calculation::composites.Clear();
        hostplatform::ResetHost();
    }

    // Appends a group and returns its number.
    static short AddGroup(const char* code, const char* name, const char* flags = "") {
        ArticleGroup group;
        group.number = static_cast<short>(Articles::allArticlesGroups.GetSize());
        group.code = code;
        group.name = name;
        group.flags = flags;
        Articles::allArticlesGroups.Push(group);
        return group.number;
    }

    // A building material classified with a QELM item of that code.
    API_AttributeIndex ClassifiedMaterial(const char* code) {
        const API_AttributeIndex material = b.AddBuildingMaterial("Materiaal", "eigen id", "Beschrijving");
        b.ClassifyMaterial(material, qelm, b.AddItem(qelm, APINULLGuid, code, "Item"));
        return material;
    }

    // The element as the take-off run hands it to a builder.
    static API_Element Read(const API_Guid& guid) {
        API_Element element;
        element.header.guid = guid;
        EXPECT_EQ(ACAPI_Element_Get(&element), NoError);
        return element;
    }

    static std::string Utf8(const GS::UniString& text) { return text.ToUtf8(); }

    hostplatform::ProjectBuilder b;
    API_Guid qelm{};
    GS::Array<Article> articles;

  private:
    Int64 handlesBefore = 0;
    Int64 memosBefore = 0;
};
