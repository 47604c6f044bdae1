#include "engine/GroupFlags.hpp"

namespace {

struct NamedWord {
    GroupFlags::Word word;
    const char* name;
};
constexpr NamedWord kWords[] = {
    {GroupFlags::Export, "export"},
    {GroupFlags::FH, "fh"},
    {GroupFlags::VH, "vh"},
    {GroupFlags::ProMemory, "pm"},
    {GroupFlags::SumOverTotal, "sog"},
    {GroupFlags::Volume, "m3"},
    {GroupFlags::Surface, "m2"},
    {GroupFlags::Length, "m"},
    {GroupFlags::Piece, "st"},
    {GroupFlags::Weight, "kg"},
    {GroupFlags::Riser, "trede"},
    {GroupFlags::Ton, "ton"},
    {GroupFlags::Kw, "kw"},
    {GroupFlags::Dm2, "dm2"},
    {GroupFlags::Dm3, "dm3"},
};

} // namespace

GroupFlags& GroupFlags::operator=(const GS::UniString& flagText) {
    text = flagText;
    words = None;
    for (const NamedWord& named : kWords) {
        if (Has(GS::UniString(named.name)))
            words |= named.word;
    }
    return *this;
}

bool GroupFlags::Has(const GS::UniString& word) const {
    return text.Contains("|" + word + "|");
}
