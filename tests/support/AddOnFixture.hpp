// The add-on's global state, reset to what it is when the add-on has just loaded, before and after every
// test, on a fresh stand-in host whose handles, memos and dialogs HostTest checks are all closed again.
#pragma once

#include "HostFixture.hpp"

#include "engine/Articles.hpp"
#include "engine/Classification.hpp"
#include "engine/calculation/Calculation.hpp"
#include "engine/host/Main.hpp"
#include "engine/host/TakeoffCache.hpp"
#include "export/Excel.hpp"
#include "palette/DlgPresentData.hpp"

#include <algorithm>
#include <iterator>

namespace testsupport {

// Every global of the add-on that a run changes, as it is at load; the rule tables filled afresh.
// The shell's last palette id is its own: it forgets it when it closes that palette.
inline void ResetAddOnState() {
    const Articles fillsTheRuleTables;
    Articles::allArticlesGroups = GS::Array<ArticleGroup>();
    Articles::articleCount = 0;
    Articles::reportCount = 0;
    vAllElementGuids = GS::Array<API_Guid>();
    m_vElementtypeTypes = GS::Array<API_ElemTypeID>();
    Main::usFilterText = GS::UniString();
    Main::bOnlySelectedElements = false;
    Classifications::Items = GS::Array<Classification>();
    Classifications::Systems = GS::Array<API_ClassificationSystem>();
    Calculation::quantity = API_ElementQuantity{};
    Calculation::composites = GS::Array<API_CompositeQuantity>();
    Calculation::elemPartQuantities = GS::Array<API_ElemPartQuantity>();
    Calculation::elemPartComposites = GS::Array<API_ElemPartCompositeQuantity>();
    Calculation::params = API_QuantityPar{};
    Calculation::quantities = API_Quantities{};
    Excel::ws = nullptr;
    Excel::xlsRow = 0;
    Excel::xlsFontName.clear();
    Excel::xlsFontSize = 0;
    Excel::xlsBold = false;
    Excel::xlsItalic = false;
    std::fill(std::begin(Excel::buffer), std::end(Excel::buffer), '\0');
    Excel::_details = false;
    columnCaptions = GS::Array<GS::UniString>();
    shColumnIndex = 0;
    for (short* column :
         {&COLUMN_ARTICLES_ICON,       &COLUMN_ARTICLES_ARTICLE_NR,   &COLUMN_ARTICLES_DESCRIPTION,
          &COLUMN_ARTICLES_UNIT,       &COLUMN_ARTICLES_NR,           &COLUMN_ARTICLES_STORY,
          &COLUMN_ARTICLES_PIECES,     &COLUMN_ARTICLES_LENGTH,       &COLUMN_ARTICLES_SURFACE,
          &COLUMN_ARTICLES_VOLUME,     &COLUMN_ARTICLES_WEIGHT,       &COLUMN_ARTICLES_OTHER,
          &COLUMN_ARTICLES_QELM_TYPE,  &COLUMN_ARTICLES_ELEMENT,      &COLUMN_ARTICLES_INFO,
          &COLUMN_ARTICLES_THICKNESS,  &COLUMN_ARTICLES_LAYER,        &COLUMN_REPORT_ICON,
          &COLUMN_REPORT_ARTICLE_NR,   &COLUMN_REPORT_ELEMENT,        &COLUMN_REPORT_INFO,
          &COLUMN_REPORT_DESCRIPTION,  &COLUMN_REPORT_ERROR,          &COLUMN_REPORT_STORY,
          &COLUMN_REPORT_MATERIAL_ID,  &COLUMN_REPORT_MATERIAL_DESCR, &COLUMN_REPORT_LAYER,
          &COLUMN_REPORT_THICKNESS,    &COLUMN_REPORT_SKIN,           &COLUMN_REPORT_QELM_TYPE,
          &COLUMN_REPORT_NR_COMPOSITES})
        *column = 0;
    exportType = 0;
    shKey_Enter = 0;
    shKey_Return = 0;
}

} // namespace testsupport

// The fixture of every test of the add-on: the add-on as just loaded on a fresh host before each test;
// after it no take-off cache may still be active and nothing of the host open (see HostTest).
class AddOnTest : public HostTest {
  protected:
    void SetUp() override {
        HostTest::SetUp();
        testsupport::ResetAddOnState();
    }
    void TearDown() override {
        EXPECT_EQ(hostaccess::TakeoffCache::Active(), nullptr) << "a take-off cache outlived its run";
        HostTest::TearDown();
        testsupport::ResetAddOnState();
    }
};
