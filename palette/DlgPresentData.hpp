// The add-on's palette (dialog layout 32600): starts a take-off of all or of the selected elements,
// shows the article groups (list 7) and the report lines (list 8) of Articles::allArticlesGroups under
// the palette filter, expands and collapses groups, selects an article's elements in the model, opens
// the help page and starts the workbook export.
//
// Ownership: make a palette with new and call ShowModeless. When the framework opened it
// (GetDialogID() != 0) the palette frees itself once its close message has been handled; when the
// framework refused it (GetDialogID() == 0) it is still the caller's to delete.
//
// Every row of lists 7 and 8 carries a heap RowRecord as user data, owned by the row: whoever deletes
// a row frees its record, and the close message frees all of them.
//
// A list holds at most 32767 rows. Rows that do not fit are never dropped silently: where they are
// missing, one row says how many (the text is string 3 of resource 32000), and a group that has no
// room left at all stays collapsed with an alert that says the same.
//
// Sources: DlgPresentData.cpp (globals, message routing, set-up, buttons, take-off, filter, resizing,
// export), DlgPresentDataLists.cpp (columns, filling the lists, expanding, selecting, hover texts).
#pragma once

#include "palette/TovekLibACUI.hpp"

#include "ACAPinc.hpp"
#include "DG.hpp"
#include "GS.hpp"

class Article;
class ArticleGroup;
class Articles;

// The take-off result and rule tables' owner, built at load (its constructor fills the rule tables).
extern Articles articles;
// Captions of the list being set up and the running column counter.
extern GS::Array<GS::UniString> columnCaptions;
extern short shColumnIndex;
// Column numbers (from 1) of the articles list, set by its set-up.
extern short COLUMN_ARTICLES_ICON, COLUMN_ARTICLES_ARTICLE_NR, COLUMN_ARTICLES_DESCRIPTION,
    COLUMN_ARTICLES_UNIT, COLUMN_ARTICLES_NR, COLUMN_ARTICLES_STORY, COLUMN_ARTICLES_PIECES,
    COLUMN_ARTICLES_LENGTH, COLUMN_ARTICLES_SURFACE, COLUMN_ARTICLES_VOLUME, COLUMN_ARTICLES_WEIGHT,
    COLUMN_ARTICLES_OTHER, COLUMN_ARTICLES_QELM_TYPE, COLUMN_ARTICLES_ELEMENT, COLUMN_ARTICLES_INFO,
    COLUMN_ARTICLES_THICKNESS, COLUMN_ARTICLES_LAYER;
// Column numbers (from 1) of the report list, set by its set-up.
extern short COLUMN_REPORT_ICON, COLUMN_REPORT_ARTICLE_NR, COLUMN_REPORT_ELEMENT, COLUMN_REPORT_INFO,
    COLUMN_REPORT_DESCRIPTION, COLUMN_REPORT_ERROR, COLUMN_REPORT_STORY, COLUMN_REPORT_MATERIAL_ID,
    COLUMN_REPORT_MATERIAL_DESCR, COLUMN_REPORT_LAYER, COLUMN_REPORT_THICKNESS, COLUMN_REPORT_SKIN,
    COLUMN_REPORT_QELM_TYPE, COLUMN_REPORT_NR_COMPOSITES;
// The save dialog's filter chosen last (0 summary, 1 detailed, 2 Bouwsoft), pre-selected next time.
extern Int32 exportType;
// Hot-key ids of Enter and Return in the palette.
extern short shKey_Enter, shKey_Return;

// The user data of one list row: the group's index in Articles::allArticlesGroups and the article's
// index in its list, kGroupRow for a group row. A row that counts the rows not shown carries kNotShownRow
// and the group whose rows it counts (-1 for group rows). Article indices are 32 bits: a group may hold
// more articles than a 16-bit index reaches.
struct RowRecord {
    static constexpr Int32 kGroupRow = -1;
    static constexpr Int32 kNotShownRow = -2;
    Int32 groupIndex = 0;
    Int32 articleIndex = kGroupRow;
};

class DlgPresentData : public TovekLib::ACUI::Palette {
  public:
    static constexpr short kResourceId = 32600;
    static constexpr short kColumnCapacity = 17;

    DlgPresentData();

    // Opens the palette on top of the other windows (see the ownership note above).
    void ShowModeless();

    // The framework's callback; userData is the palette.
    static short DlgPresentData_CB(short message, short dialId, short item, DGUserData userData,
                                   DGMessageData msgData);
    // The host's palette callback: 0 for every message.
    static GSErrCode DlgPresentDataRegister_CB(Int32 referenceID, API_PaletteMessageID messageID,
                                               Int64 param);

    // ---- Window ----
    void OnInit();
    // Shows the articles list (true) or the report list (false).
    void ShowArticles(bool showArticles);
    void OnClick(short item, DGMessageData msgData);
    // A take-off of all or of the selected elements, then both lists rebuilt.
    void LoadElements(bool onlySelected);
    void OnChange(short item);
    void OnEnter_Pressed();
    void OnGrow(DGMessageData msgData);
    void EnableDisableSelectionButton();
    void Export();
    // The focused item when the focus lies in this palette, else -1.
    short GetFocusId() const;
    void OnDoubleClick(short item);
    void OnClose();

    // ---- Lists ----
    void SetTabData(short width, short justification, const GS::UniString& caption, short& column);
    void SetTabData_Articles();
    void SetTabData_Report();
    // Rebuilds both lists; every visible group is expanded (true) or collapsed (false).
    void LoadList(bool expandAll);
    // Inserts the rows of group groupIndex's articles that pass the filter below row, leaving reserve
    // rows of the list free. When not all fit, the last row inserted says how many are not shown; false,
    // with nothing inserted, when there is no room for a row.
    bool AddArticleSubItems(short row, Int32 groupIndex, Int32 reserve = 0);
    void AddReportSubItems();
    // Removes the rows of the group below its row, from the bottom up, freeing their records.
    void DeleteListSubItems(short list, short row);
    // Frees every row record of the list, then deletes all its rows.
    void ClearList(short list);
    void SetListBackgroundColors(short list);
    // Expands or collapses the group of the selected row (article rows are left alone).
    void HandleListClick(short list);
    // The column under the click (from 1), 0 for none.
    short GetClickedColumnNumber(short list, DGMessageData msgData) const;
    // Selects the elements of the selected row in the model and zooms to them.
    void Select(short list);
    // 1 when a text was put into the tooltip data, else 0.
    short OnTooltip(short item, DGMessageData msgData);
    GS::UniString GetAllArticlesTooltip(short list, DGMessageData msgData) const;
    short SetTooltip(DGMessageData msgData, const GS::UniString& text) const;
    short SetTooltip(short item, DGMessageData msgData) const;
    void SetArticleText(short row, short column, const GS::UniString& text);
    void SetReportText(short row, short column, const GS::UniString& text);
    // Values of -1.0 and below write nothing.
    void SetArticleDoubleValueText(short row, short column, double value, short decimals);

  private:
    struct TabField {
        short begin = 0;
        short end = 0;
        short justification = 0;
        short truncation = 0;
        bool separator = false;
        bool disabled = false;
    };

    // Inserts a row with a new record at pos (-1: appends); its row number, or 0, with nothing allocated,
    // when the list takes no more rows.
    short InsertRow(short list, short pos, RowRecord record, short style);
    const RowRecord* RecordOf(short list, short row) const;
    void ApplyTabFields(short list);
    // reserve: rows to leave free for the groups that follow.
    void AddGroupRow(Int32 groupIndex, bool expandAll, Int32 reserve);
    // The group's rows that pass the filter below row, as many as room rows take; see AddArticleSubItems.
    bool AddFilteredRows(short list, short row, Int32 groupIndex, Int32 room);
    // Up to limit rows below row; the number inserted.
    Int32 InsertArticleRows(short list, short row, Int32 groupIndex, Int32 limit);
    void SetArticleRowTexts(short row, const ArticleGroup& group, const Article& article);
    void SetReportRowTexts(short row, const Article& article);
    void AddNotShownRow(short list, short pos, Int32 groupIndex, Int32 rows);
    static GS::UniString NotShownText(Int32 rows);
    static void Alert(const GS::UniString& text);
    void SetReportCaption();
    void SetExportButton();
    // The host selection: whether it holds elements, and the host's error code.
    static bool ReadSelection(GSErrCode& error);

    TabField tabFields[kColumnCapacity];
    short shDialogId = 0;
};
