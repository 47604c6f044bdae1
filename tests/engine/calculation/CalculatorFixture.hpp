// Calculator tests: a project built per test, installed as the host's project, and the element's
// quantities loaded into Calculation as the take-off run does before it measures an article.
#pragma once

#include "../../support/AddOnFixture.hpp"
#include "engine/Article.hpp"
#include "engine/calculation/Calculation.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <initializer_list>

class CalculatorTest : public AddOnTest {
  protected:
    // Installs the project and fetches the element's quantities; the article is that element's, with
    // the given code and the measure flags named.
    Article Load(hostplatform::ElementRef element, const char* code = "",
                 std::initializer_list<bool Article::*> flags = {}) {
        builder.Install();
        EXPECT_TRUE(Calculation::GetElementParameters(element.record()));
        Article article;
        article.guid = element.guid();
        article.elemType = element.record().header.type.typeID;
        article.code = code;
        for (bool Article::*flag : flags)
            article.*flag = true;
        return article;
    }

    hostplatform::ProjectBuilder builder;
};
