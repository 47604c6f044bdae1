// Runs the save's workbook check on copies of a workbook the adapter saved, for corrupted_workbooks.py:
// reads one path a line and prints the paths of the copies the check accepts, measured against the
// rows and merged ranges of the original's worksheet.
//
//     export_check_copies ORIGINAL.xlsx < PATHS
#include "export/xlsx/WorkbookZipCheck.hpp"
#include "tests/export/xlsx/XlsxTestUtil.hpp"

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ORIGINAL.xlsx < PATHS\n", argv[0]);
        return 2;
    }
    const xlsx::SheetDigest digest = xlsx_test::SheetDigestOf(xlsx_test::SheetXml(argv[1]));
    std::string path;
    std::string error;
    while (std::getline(std::cin, path))
        if (xlsx::CheckWorkbookZip(path, digest, error))
            std::printf("%s\n", path.c_str());
    return 0;
}
