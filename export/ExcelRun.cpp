// The export run: one workbook from the article groups of the last take-off, saved and reported.
#include "export/Excel.hpp"

#include "export/xlsx/Workbook.hpp"

#include "engine/host/HostUtil.hpp"
#include "engine/host/TypeConv.hpp"

#include "ACAPinc.hpp"
#include "DG.hpp"
#include "IFCAPI.hpp"

#include <cstdio>
#include <optional>
#include <unordered_map>

namespace {

struct KindTexts {
    const char* saved;    // followed by the path
    const char* notSaved; // followed directly by the path
};

const KindTexts kKindTexts[] = {
    {"De samenvattende meetstaat is opgeslagen.\nZie ", "De samenvattende meetstaat is NIET opgeslagen."},
    {"De gedetailleerde meetstaat is opgeslagen.\nZie ", "De gedetailleerde meetstaat is NIET opgeslagen."},
    {"De Bouwsoft export is opgeslagen.\nZie ", "De Bouwsoft export is NIET opgeslagen."},
};

// Only the two bills have group and element rows.
bool IsBill(ExportType type) {
    return type == ExportSummary || type == ExportDetailed;
}

const KindTexts& TextsOf(ExportType type) {
    return kKindTexts[type == ExportDetailed ? 1 : type == ExportBouwsoft ? 2 : 0];
}

// The group total that the group row shows: the first rule that applies wins. A rule without a unit
// applies to a group whose only AvO word is "sog".
struct UnitTotal {
    const char* unit;
    double (*total)(const ArticleGroup&);
    int decimals;
};

double Length(const ArticleGroup& g) {
    return g.GetTotalLength();
}
double Surface(const ArticleGroup& g) {
    return g.GetTotalSurface();
}
double Volume(const ArticleGroup& g) {
    return g.GetTotalVolume();
}
double Pieces(const ArticleGroup& g) {
    return static_cast<double>(g.GetTotalPieces());
}
double Weight(const ArticleGroup& g) {
    return g.GetTotalWeight();
}
double Risers(const ArticleGroup& g) {
    return static_cast<double>(g.GetTotalRisers());
}
double Kw(const ArticleGroup& g) {
    return g.GetTotalKw();
}

const UnitTotal kUnitTotals[] = {
    {"m", Length, 2},     {"m2", Surface, 2},  {"m3", Volume, 3},  {"st", Pieces, 0},
    {nullptr, Pieces, 0}, {"kg", Weight, 3},   {"ton", Weight, 3}, {"trede", Risers, 0},
    {"kw", Kw, 3},        {"dm2", Surface, 2}, {"dm3", Volume, 3},
};

struct GroupTotal {
    double total = -1.0;
    int decimals = 3;
};

GroupTotal TotalOf(const ArticleGroup& group, const std::string& unit, const std::string& avo) {
    for (const UnitTotal& rule : kUnitTotals) {
        if (rule.unit == nullptr ? avo == "sog" : unit == rule.unit)
            return GroupTotal{rule.total(group), rule.decimals};
    }
    return GroupTotal{};
}

// "fh" or "vh", then "pm", then "sog", single blanks between them; lower case.
std::string AvoText(const ArticleGroup& group) {
    std::string avo = group.Has_FH_Flag() ? "fh" : group.Has_VH_Flag() ? "vh" : "";
    const auto append = [&avo](const char* word) {
        if (!avo.empty())
            avo += ' ';
        avo += word;
    };
    if (group.HasProMemoryFlag())
        append("pm");
    if (group.HasSumOverTotalFlag())
        append("sog");
    return avo;
}

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string Joined(const GS::Array<GS::UniString>& texts) {
    std::string joined;
    for (GS::UIndex i = 0; i < texts.GetSize(); ++i) {
        if (i > 0)
            joined += " / ";
        joined += TypeConv::String2Ansi(texts[i]);
    }
    return joined;
}

// The narrowed texts of a group that its rows repeat.
struct GroupTexts {
    std::string code;
    std::string name;
    std::string line1;
    std::string line2;
};

// What an article's rows show.
struct ArticleValues {
    double count;
    double length;
    double width;
    double height;
    double thickness;
    double surface;
    double volume;
    double weight;
    double kw;
    std::string zoneNames;
    std::string zoneNumbers;
    std::string story;
    std::string elementID;
    std::string extraInfo1;
    std::string extraInfo2;
};

ArticleValues ValuesOf(const Article& a) {
    return ArticleValues{a.risers >= 0 ? static_cast<double>(a.risers) : static_cast<double>(a.pieces),
                         a.length > -1.0 ? a.length : a.size1,
                         a.size2,
                         a.size3,
                         a.size4,
                         a.surface,
                         a.volume,
                         a.weight,
                         a.kw,
                         Joined(a.zoneNames),
                         Joined(a.zoneNumbers),
                         TypeConv::String2Ansi(a.storyName),
                         TypeConv::String2Ansi(a.elementID),
                         TypeConv::String2Ansi(a.extraInfo1),
                         TypeConv::String2Ansi(a.extraInfo2)};
}

void WriteElementRow(const ArticleValues& v) {
    const double none = -1.0;
    const int zero = 0, two = 2, three = 3;
    Excel::XLSprintRowData(1, v.story, v.zoneNumbers, v.zoneNames, v.elementID, v.count, zero, v.length, two,
                           v.width, two, v.height, two, v.thickness, two, v.surface, two, v.volume, three,
                           v.weight, three, v.kw, three, v.extraInfo1, v.extraInfo2, none, zero, none, zero,
                           none, zero);
}

// The IFC GlobalIds of one export: the accessor is taken once and each element's id read once, however
// many rows the element gives. The header handed to the host carries the guid and type of the take-off,
// which is all the IFC interface needs; "" where the host has no id for an element.
class GlobalIds {
  public:
    const std::string& Of(const Article& article) {
        const auto [entry, added] = ids_.try_emplace(article.guid);
        if (added)
            entry->second = Read(article);
        return entry->second;
    }

  private:
    std::string Read(const Article& article) {
        if (!accessor_)
            accessor_.emplace(IFCAPI::v1::ObjectAccessor::GetObjectAccessor(ACAPI_GetToken()));
        if (accessor_->IsErr())
            return {};
        API_Elem_Head head;
        head.guid = article.guid;
        head.type = article.elemType;
        const auto objectId = accessor_->Unwrap().CreateElementObjectID(head);
        if (objectId.IsErr())
            return {};
        const auto globalId = accessor_->Unwrap().GetGlobalId(objectId.Unwrap());
        return globalId.IsErr() ? std::string() : TypeConv::String2Ansi(globalId.Unwrap());
    }

    std::optional<IFCAPI::Result<IFCAPI::v1::ObjectAccessor>> accessor_;
    std::unordered_map<API_Guid, std::string> ids_;
};

double ZeroIfMissing(double value) {
    return value == -1.0 ? 0.0 : value;
}

// One row per piece; an article that was not counted gives one row.
void WriteBouwsoftRows(const GroupTexts& g, const Article& article, const ArticleValues& v, GlobalIds& ids) {
    const Int64 repeat = v.count == -1.0 ? 1 : static_cast<Int64>(v.count);
    if (repeat <= 0)
        return;
    const std::string& ifcId = ids.Of(article);
    const double surface = ZeroIfMissing(v.surface), length = ZeroIfMissing(v.length),
                 width = ZeroIfMissing(v.width), height = ZeroIfMissing(v.height),
                 thickness = ZeroIfMissing(v.thickness), volume = ZeroIfMissing(v.volume),
                 weight = ZeroIfMissing(v.weight);
    // A sheet past its last row stops taking rows; the save then reports the failure.
    for (Int64 i = 0; i < repeat && Excel::ws->status().ok(); ++i)
        Excel::BouwSoftPrintRowData(g.code, g.name, v.elementID, v.story, v.zoneNames, v.zoneNumbers, surface,
                                    2, length, 2, width, 2, height, 2, thickness, 2, volume, 2, weight, 3,
                                    g.line2, g.line1, ifcId);
}

void WriteEmptyGroupBouwsoftRow(const GroupTexts& g) {
    const std::string e;
    Excel::BouwSoftPrintRowData(g.code, g.name, e, e, e, e, 0.0, 2, 0.0, 2, 0.0, 2, 0.0, 2, 0.0, 2, 0.0, 2,
                                0.0, 3, e, g.line1, e);
}

void WriteArticleRows(const ArticleGroup& group, const GroupTexts& texts, const std::string& avo,
                      ExportType type, GlobalIds& ids) {
    Excel::xlsFontSize = 10;
    Excel::xlsItalic = true;
    Excel::xlsBold = false;
    if (!group.note.IsEmpty()) {
        const std::string e;
        Excel::XLSprintRowText(3, TypeConv::String2Ansi(group.note), e, e, e, e, e, e, e, e, e, e, e, e, e, e,
                               e, e, e);
    }
    if (group.articleList.IsEmpty()) {
        if (type == ExportBouwsoft && !avo.empty())
            WriteEmptyGroupBouwsoftRow(texts);
        return;
    }
    // Every article is written, filtered or not, however many the group holds.
    for (const Article& article : group.articleList) {
        const ArticleValues values = ValuesOf(article);
        if (type == ExportBouwsoft)
            WriteBouwsoftRows(texts, article, values, ids);
        else if (IsBill(type))
            WriteElementRow(values);
    }
}

// The group's rows; returns the group row's line total for the VAT block (0 when none is written).
double WriteGroup(const ArticleGroup& group, ExportType type, GlobalIds& ids) {
    Excel::xlsItalic = false;
    if (!group.IsVisible())
        return 0.0;
    const std::string avo = AvoText(group);
    const std::string unit = TypeConv::String2Ansi(group.measurementUnit);
    const GroupTotal total = TotalOf(group, unit, avo);
    const GroupTexts texts{TypeConv::String2Ansi(group.code), TypeConv::String2Ansi(group.name),
                           TypeConv::String2Ansi(group.line1), TypeConv::String2Ansi(group.line2)};
    Excel::xlsFontSize = 12;
    Excel::xlsBold = group.flags.IsEmpty();
    double lineTotal = 0.0;
    if (IsBill(type)) {
        const double none = -1.0;
        const int zero = 0;
        Excel::XLSprintRowData(0, texts.code, texts.name, UpperAscii(avo), unit, total.total, total.decimals,
                               group.unitPrice, zero, none, zero, none, zero, none, zero, none, zero, none,
                               zero, none, zero, none, zero, "", "", none, zero, none, zero, none, zero);
        if (!Excel::_details)
            lineTotal = Excel::SummaryLineTotal(total.total, group.unitPrice);
    }
    if (Excel::_details && (group.HasItems() || !avo.empty()))
        WriteArticleRows(group, texts, avo, type, ids);
    return lineTotal;
}

// Net amount, VAT at 21 % and the gross amount under the price column, one empty row below the
// groups; each formula carries its value.
void WriteVatBlock(double net) {
    const Int32 r1 = ++Excel::xlsRow;
    Excel::XLSmergeCells("T", "U");
    Excel::XLSprintCell("T", "Bedrag exclusief BTW", false, true);
    std::snprintf(Excel::buffer, sizeof Excel::buffer, "=SUM(V3:V%d)", r1 - 2);
    Excel::XLSprintCellFormula("V", std::string(Excel::buffer), 2, net);
    Excel::xlsBold = true;
    Excel::XLSsetRowFont("V", "V");
    Excel::xlsBold = false;

    const Int32 r2 = Excel::xlsRow += 2;
    const double vat = net * 21.0 * 0.01;
    Excel::XLSprintCell("T", "BTW %", false, true);
    Excel::XLSprintCell("U", 21.0, 0);
    std::snprintf(Excel::buffer, sizeof Excel::buffer, "=V%d*U%d*0.01", r1, r2);
    Excel::XLSprintCellFormula("V", std::string(Excel::buffer), 2, vat);

    Excel::xlsRow += 2;
    Excel::XLSmergeCells("T", "U");
    Excel::XLSprintCell("T", "Bedrag inclusief BTW", false, true);
    std::snprintf(Excel::buffer, sizeof Excel::buffer, "=V%d+V%d", r1, r2);
    Excel::XLSprintCellFormula("V", std::string(Excel::buffer), 2, net + vat);
}

// Layout, groups and (for the summary) the VAT block under the process window; true when cancelled.
bool WriteSheet(const GS::Array<ArticleGroup>& groups, bool details, ExportType type) {
    const Int32 groupCount = static_cast<Int32>(groups.GetSize());
    std::snprintf(Excel::buffer, sizeof Excel::buffer, "%d artikelen", groupCount);
    const GS::UniString phase(Excel::buffer);
    const GS::UniString title("Exporteren naar Excel");
    Int32 phases = 1;
    ACAPI_ProcessWindow_InitProcessWindow(&title, &phases);
    Int32 max = groupCount;
    ACAPI_ProcessWindow_SetNextProcessPhase(&phase, &max);

    Excel::ws->title(details ? "Export Detailmeetstaat" : "Export Samenvattende meetstaat");
    Excel::PrintOrganizationInfo(type);
    Excel::PrintHeader(type);

    bool cancelled = false;
    double net = 0.0;
    GlobalIds ids;
    for (Int32 index = QelmCode::kReportGroup + 1; index < groupCount && !cancelled; ++index) {
        max = index;
        ACAPI_ProcessWindow_SetNextProcessPhase(&phase, &max);
        net += WriteGroup(groups[static_cast<GS::UIndex>(index)], type, ids);
        cancelled = ACAPI_ProcessWindow_IsProcessCanceled();
    }
    if (!details)
        WriteVatBlock(net);
    return cancelled;
}

void StartRun(xlsx::Worksheet& sheet, bool details) {
    Excel::_details = details;
    Excel::ws = &sheet;
    Excel::xlsFontName = "Arial";
    Excel::xlsRow = 1;
    Excel::xlsFontSize = 12;
    Excel::xlsBold = true;
    Excel::xlsItalic = false;
}

} // namespace

bool Excel::CreateXls(Articles& articles, IO::Location location, bool details, ExportType type) {
    GS::UniString path;
    (void)location.ToPath(&path); // an empty path makes the save fail below
    xlsx::Workbook book(TypeConv::String2Ansi(path));
    StartRun(book.active_sheet(), details);

    // Out of memory or the like is reported as a failed export instead of reaching the host.
    bool cancelled = false;
    bool written = false;
    try {
        cancelled = WriteSheet(articles.allArticlesGroups, details, type);
        written = true;
    } catch (...) {
    }
    ACAPI_ProcessWindow_CloseProcessWindow();
    bool saved = false;
    if (written && !cancelled) {
        try {
            const xlsx::Status status =
                book.save([](const std::string& text) { WriteReport("%s", text.c_str()); });
            saved = status.ok();
            if (!saved) // the alert names the file; the log says why
                WriteReport("%s", status.message.c_str());
        } catch (...) {
        }
    }
    book.abandon(); // drops an unsaved workbook and its temporary file; the target stays as it was
    ws = nullptr;

    GS::UniString message;
    if (cancelled)
        message = "Exporteren is afgebroken.";
    else
        message = GS::UniString(saved ? TextsOf(type).saved : TextsOf(type).notSaved) + path;
    DGAlert(DG_ERROR, "Telvorm", message, "", "Ok", "", "");
    return saved;
}
