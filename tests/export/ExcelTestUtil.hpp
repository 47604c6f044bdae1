// Helpers of the Excel export tests: a fixture that points the writers at a fresh workbook, and short
// forms of the long row-writer calls.
#pragma once

#include "export/Excel.hpp"
#include "export/xlsx/Workbook.hpp"
#include "tests/export/SheetReader.hpp"
#include "tests/support/AddOnFixture.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace excel_test {

// A fresh workbook in a scratch folder and the run's start state: row 1, Arial 12 bold, not italic.
class WriterFixture : public AddOnTest {
  protected:
    void SetUp() override {
        AddOnTest::SetUp();
        book_ = std::make_unique<xlsx::Workbook>(folder_.file("writers.xlsx"));
        Excel::ws = &book_->active_sheet();
        Excel::xlsRow = 1;
        Excel::xlsFontName = "Arial";
        Excel::xlsFontSize = 12;
        Excel::xlsBold = true;
        Excel::xlsItalic = false;
        Excel::_details = false;
    }
    void TearDown() override {
        Excel::ws = nullptr;
        AddOnTest::TearDown();
    }

    xlsx_test::SheetReader Saved() {
        const xlsx::Status saved = book_->save();
        EXPECT_TRUE(saved.ok()) << saved.message;
        return xlsx_test::SheetReader(folder_.file("writers.xlsx"));
    }

    xlsx_test::TempFolder folder_;
    std::unique_ptr<xlsx::Workbook> book_;
};

inline void GroupRow(const std::string& code, const std::string& name, double total, int decimals,
                     double unitPrice) {
    const double n = -1.0;
    const int z = 0;
    Excel::XLSprintRowData(0, code, name, "FH", "m2", total, decimals, unitPrice, z, n, z, n, z, n, z, n, z,
                           n, z, n, z, n, z, "", "", n, z, n, z, n, z);
}

// An element row whose numbers are 1.0 to 9.0 with decimals 0, 2, 2, 2, 2, 2, 3, 3, 3 and -1.0 in R to T.
inline void ElementRow() {
    const double n = -1.0;
    const int z = 0, two = 2, three = 3;
    Excel::XLSprintRowData(1, "Gelijkvloers", "0.12", "Keuken", "W-01", 1.0, z, 2.0, two, 3.0, two, 4.0, two,
                           5.0, two, 6.0, two, 7.0, three, 8.0, three, 9.0, three, "info 1", "info 2", n, z,
                           n, z, n, z);
}

inline void TextRow(int kind, const std::string& t1, const std::string& t2 = "", const std::string& t3 = "",
                    const std::string& t4 = "", const std::string& t5 = "", const std::string& t6 = "",
                    const std::string& t7 = "") {
    const std::string e;
    Excel::XLSprintRowText(kind, t1, t2, t3, t4, t5, t6, t7, e, e, e, e, e, e, e, e, e, e, "t18");
}

} // namespace excel_test
