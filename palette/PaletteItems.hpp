// The items of the palette's dialog, by id; both halves of DlgPresentData address them.
#pragma once

enum PaletteItem : short {
    ItemClose = 1,
    ItemArticlesTab = 2,
    ItemReportTab = 3,
    ItemRightEdge = 4,
    ItemFilter = 5,
    ItemClearFilter = 6,
    ListArticles = 7,
    ListReport = 8,
    ItemTakeOffAll = 9,
    ItemTakeOffSelection = 10,
    ItemExpandAll = 11,
    ItemCollapseAll = 12,
    ItemHelp = 13,
    ItemExport = 14,
    ItemRightEdge2 = 15,
    ItemRightEdge3 = 16,
};
