#include "palette/DlgPresentData.hpp"

#include "engine/Articles.hpp"
#include "engine/host/Main.hpp"
#include "export/Excel.hpp"
#include "palette/GsIO.hpp"
#include "palette/PaletteItems.hpp"

#include "FTM.hpp"
#include "IO.hpp"
#include "OSShell.hpp"

// ---- Globals of the palette, built when the add-on loads ----

// Built after the constinit filter text and rule tables, which its constructor fills.
Articles articles;
constinit GS::Array<GS::UniString> columnCaptions;
short shColumnIndex = 0;
short COLUMN_ARTICLES_ICON = 0, COLUMN_ARTICLES_ARTICLE_NR = 0, COLUMN_ARTICLES_DESCRIPTION = 0,
      COLUMN_ARTICLES_UNIT = 0, COLUMN_ARTICLES_NR = 0, COLUMN_ARTICLES_STORY = 0, COLUMN_ARTICLES_PIECES = 0,
      COLUMN_ARTICLES_LENGTH = 0, COLUMN_ARTICLES_SURFACE = 0, COLUMN_ARTICLES_VOLUME = 0,
      COLUMN_ARTICLES_WEIGHT = 0, COLUMN_ARTICLES_OTHER = 0, COLUMN_ARTICLES_QELM_TYPE = 0,
      COLUMN_ARTICLES_ELEMENT = 0, COLUMN_ARTICLES_INFO = 0, COLUMN_ARTICLES_THICKNESS = 0,
      COLUMN_ARTICLES_LAYER = 0;
short COLUMN_REPORT_ICON = 0, COLUMN_REPORT_ARTICLE_NR = 0, COLUMN_REPORT_ELEMENT = 0, COLUMN_REPORT_INFO = 0,
      COLUMN_REPORT_DESCRIPTION = 0, COLUMN_REPORT_ERROR = 0, COLUMN_REPORT_STORY = 0,
      COLUMN_REPORT_MATERIAL_ID = 0, COLUMN_REPORT_MATERIAL_DESCR = 0, COLUMN_REPORT_LAYER = 0,
      COLUMN_REPORT_THICKNESS = 0, COLUMN_REPORT_SKIN = 0, COLUMN_REPORT_QELM_TYPE = 0,
      COLUMN_REPORT_NR_COMPOSITES = 0;
Int32 exportType = 0;
short shKey_Enter = 0, shKey_Return = 0;

namespace {

constexpr short kFontBold = 16;
constexpr short kFontPlain = 4;
constexpr GSFlags kPaletteFlags = 503;
// The host's answer to a selection read when nothing is selected.
constexpr GSErrCode kNoSelectionError = static_cast<GSErrCode>(0x810600CE);

constexpr const char* kTitle = "Telvorm";
constexpr const char* kHostName = "Archicad 28";
constexpr const char* kVersion = "(Versie 28.3.75)";
constexpr const char* kHelpPage = "https://helpcenter.tovek.nl/qelm-meetstaat";

constexpr const char* kNothingSelectedText =
    "Er zijn geen elementen geselecteerd.\nMaak een selectie van een of meer elementen.";
constexpr const char* kCancelledText = "Ophalen informatie is afgebroken.";
constexpr const char* kNothingFoundText =
    "Er zijn geen (geclassificeerde) elementen gevonden.\nZie het artikel over QELM artikelnummers aan "
    "elementen toevoegen in het TOVEK Helpcenter.";
constexpr const char* kBadFileNameText = "U moet een geldige bestandsnaam opgeven.";

// The save dialog's filters, in filter-index order.
constexpr const char* kExportFilterTexts[] = {"Samenvattende meetstaat", "Detailmeetstaat",
                                              "Bouwsoft meetstaat"};

} // namespace

DlgPresentData::DlgPresentData() = default;

void DlgPresentData::Alert(const GS::UniString& text) {
    DGAlert(DG_ERROR, kTitle, text, "", "Ok", "", "");
}

void DlgPresentData::ShowModeless() {
    Initialize(kResourceId, DlgPresentData_CB, reinterpret_cast<Int64>(this));
    Palette::ShowModeless();
    SetTopMost();
}

// ---- Message routing ----

short DlgPresentData::DlgPresentData_CB(short message, short dialId, short item, DGUserData userData,
                                        DGMessageData msgData) {
    auto* palette = reinterpret_cast<DlgPresentData*>(userData);
    if (palette == nullptr)
        return 0;
    switch (message) {
    case DG_MSG_IDLE:
        palette->EnableDisableSelectionButton();
        break;
    case DG_MSG_INIT:
        if (palette->IsModeless())
            ACAPI_RegisterModelessWindow(dialId, DlgPresentDataRegister_CB, kPaletteFlags, APINULLGuid);
        if (dialId == kResourceId) {
            palette->OnInit();
            DGEnableMessage(kResourceId, 0, DG_MSG_IDLE, 0);
        }
        break;
    case DG_MSG_CLOSE:
        palette->OnClose();
        // The framework hands the palette to no callback after its close message.
        delete palette;
        break;
    case DG_MSG_CLICK:
        if (item == DG_CLOSEBOX || item == ItemClose)
            return item;
        palette->OnClick(item, msgData);
        break;
    case DG_MSG_DOUBLECLICK:
        palette->OnDoubleClick(item);
        break;
    case DG_MSG_CHANGE:
        palette->OnChange(item);
        break;
    case DG_MSG_HOTKEY:
        if (msgData == shKey_Enter || msgData == shKey_Return)
            palette->OnEnter_Pressed();
        break;
    case DG_MSG_GROW:
        palette->OnGrow(msgData);
        break;
    case DG_MSG_TOOLTIP:
        return palette->OnTooltip(item, msgData);
    default:
        break;
    }
    return 0;
}

GSErrCode DlgPresentData::DlgPresentDataRegister_CB(Int32, API_PaletteMessageID, Int64) {
    return NoError;
}

// ---- Window ----

void DlgPresentData::OnInit() {
    shDialogId = kResourceId;
    DGSetDialogTitle(shDialogId, GS::UniString(kTitle) + " " + kHostName + " " + kVersion);
    shKey_Enter = DGRegisterHotKey(shDialogId, 0, DG_KEY_ENTER);
    shKey_Return = DGRegisterHotKey(shDialogId, 0, DG_KEY_RETURN);
    for (const short hidden : {ItemClose, ItemClearFilter, ItemRightEdge2, ItemRightEdge3})
        DGHideItem(shDialogId, hidden);
    // The filter outlives the palette: show the one in force.
    DGSetItemText(shDialogId, ItemFilter, Main::usFilterText);
    DGDisableItem(shDialogId, ItemExport);
    SetTabData_Articles();
    SetTabData_Report();
    ShowArticles(true);
    DGListSetHelpStyle(shDialogId, ListArticles, 1);
    DGListSetHelpStyle(shDialogId, ListReport, 1);
}

void DlgPresentData::ShowArticles(bool showArticles) {
    if (showArticles) {
        DGShowItem(shDialogId, ListArticles);
        DGHideItem(shDialogId, ListReport);
    } else {
        DGHideItem(shDialogId, ListArticles);
        DGShowItem(shDialogId, ListReport);
    }
    DGSetItemEnable(shDialogId, ItemExpandAll, showArticles);
    DGSetItemEnable(shDialogId, ItemCollapseAll, showArticles);
    DGSetItemFont(shDialogId, ItemArticlesTab, showArticles ? kFontBold : kFontPlain);
    DGSetItemFont(shDialogId, ItemReportTab, showArticles ? kFontPlain : kFontBold);
}

void DlgPresentData::OnClick(short item, DGMessageData msgData) {
    switch (item) {
    case ItemArticlesTab:
        ShowArticles(true);
        break;
    case ItemReportTab:
        ShowArticles(false);
        break;
    case ItemClearFilter:
        DGSetItemText(shDialogId, ItemFilter, "");
        Main::usFilterText = "";
        LoadList(false);
        break;
    case ListArticles:
        if (GetClickedColumnNumber(ListArticles, msgData) == COLUMN_ARTICLES_ICON)
            HandleListClick(ListArticles);
        break;
    case ItemTakeOffAll:
    case ItemTakeOffSelection: {
        const bool onlySelected = item == ItemTakeOffSelection;
        Main::bOnlySelectedElements = onlySelected;
        DGSetItemText(shDialogId, ItemFilter, "");
        Main::usFilterText = "";
        LoadElements(onlySelected);
        break;
    }
    case ItemExpandAll:
        LoadList(true);
        break;
    case ItemCollapseAll:
        LoadList(false);
        break;
    case ItemHelp:
        OS::OpenURL(kHelpPage);
        break;
    case ItemExport:
        Export();
        break;
    default:
        break;
    }
}

void DlgPresentData::OnDoubleClick(short item) {
    if (item == ListArticles || item == ListReport)
        Select(item);
}

void DlgPresentData::OnClose() {
    ClearList(ListArticles);
    ClearList(ListReport);
}

short DlgPresentData::GetFocusId() const {
    short dialId = 0;
    short item = 0;
    if (!DGGetFocus(&dialId, &item) || dialId != shDialogId)
        return -1;
    return item;
}

void DlgPresentData::OnGrow(DGMessageData msgData) {
    const auto h = static_cast<short>(msgData & 0xFFFF);
    const auto v = static_cast<short>((msgData >> 16) & 0xFFFF);
    DGBeginMoveGrowItems(shDialogId);
    for (const short item : {ItemRightEdge2, ItemRightEdge3, ItemRightEdge, ItemFilter})
        DGMoveItem(shDialogId, item, h, 0);
    for (const short list : {ListArticles, ListReport})
        DGGrowItem(shDialogId, list, h, v);
    for (const short item : {ItemClose, ItemHelp, ItemExport})
        DGMoveItem(shDialogId, item, h, v);
    for (const short item : {ItemExpandAll, ItemCollapseAll, ItemTakeOffAll, ItemTakeOffSelection})
        DGMoveItem(shDialogId, item, 0, v);
    DGEndMoveGrowItems(shDialogId);
}

// ---- Filter ----

void DlgPresentData::OnChange(short item) {
    if (item == ItemFilter)
        Main::usFilterText = DGGetItemText(shDialogId, ItemFilter).ToLowerCase();
}

void DlgPresentData::OnEnter_Pressed() {
    if (GetFocusId() != ItemFilter)
        return;
    LoadList(!Main::usFilterText.IsEmpty());
    DGSetFocus(shDialogId, ItemFilter);
}

// ---- Take-off ----

bool DlgPresentData::ReadSelection(GSErrCode& error) {
    API_SelectionInfo selectionInfo;
    error = ACAPI_Selection_Get(&selectionInfo, nullptr, true, true, API_Inside);
    BMKillHandle(&selectionInfo.marquee.coords);
    return selectionInfo.typeID != API_SelEmpty;
}

void DlgPresentData::EnableDisableSelectionButton() {
    GSErrCode error = NoError;
    const bool selected = ReadSelection(error);
    const bool enable = selected || (error != NoError && error != kNoSelectionError);
    DGSetItemEnable(shDialogId, ItemTakeOffSelection, enable);
}

void DlgPresentData::SetExportButton() {
    DGSetItemEnable(shDialogId, ItemExport, DGListGetItemCount(shDialogId, ListArticles) > 0);
}

void DlgPresentData::LoadElements(bool onlySelected) {
    if (onlySelected) {
        GSErrCode error = NoError;
        const bool selected = ReadSelection(error);
        if ((error == NoError || error == kNoSelectionError) && !selected) {
            Alert(kNothingSelectedText);
            SetExportButton();
            return;
        }
    }
    Articles::articleCount = 0;
    Articles::reportCount = 0;
    Articles::allArticlesGroups.Clear();
    const bool cancelled = Articles::ReadElementsFromModel(onlySelected) && Articles::EvaluateElements();
    LoadList(false);
    if (cancelled)
        Alert(kCancelledText);
    else if (Articles::articleCount + Articles::reportCount == 0)
        Alert(kNothingFoundText);
    SetExportButton();
}

// ---- Export ----

void DlgPresentData::Export() {
    // Keeps the host's input-output library started until the export has returned, on every way out.
    const VaZaz::GsIO::CFile io;

    FTM::FileTypeManager manager("MyManager");
    const FTM::FileType xlsx(nullptr, "xlsx", 0, 0, nullptr, nullptr, true);
    FTM::TypeID type = manager.SearchForType(xlsx, FTM::RootGroup);
    if (type == FTM::UnknownType)
        type = manager.AddType(xlsx, FTM::RootGroup);

    DG::FileDialog dialog(DG::FileDialog::Save);
    for (const char* text : kExportFilterTexts)
        dialog.SetFilterText(dialog.AddFilter(type, 1), text);
    dialog.SelectFilter(static_cast<GS::UIndex>(exportType));
    if (!dialog.Invoke())
        return;
    const IO::Location location = dialog.GetSelectedFile(0);
    if (location.IsEmpty())
        return;
    IO::Name name;
    location.GetLastLocalName(&name);
    if (name.ToString().FindFirst(u'.') == 0) {
        Alert(kBadFileNameText);
        return;
    }
    exportType = static_cast<Int32>(dialog.GetSelectedFilter());
    const bool details = exportType == ExportDetailed || exportType == ExportBouwsoft;
    const ExportType kind = details ? static_cast<ExportType>(exportType) : ExportSummary;
    Excel::CreateXls(articles, location, details, kind);
}
