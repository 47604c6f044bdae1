#include "FaultLoader.hpp"

#include "hostplatform/Faults.hpp"

#include <limits>
#include <map>

namespace hostplatform::projectfile {

namespace {

constexpr Int32 kMaxInt32 = std::numeric_limits<Int32>::max();

constexpr Word<GSErrCode> kErrorNames[] = {
    {"APIERR_GENERAL", APIERR_GENERAL},         {"APIERR_MEMFULL", APIERR_MEMFULL},
    {"APIERR_BADPARS", APIERR_BADPARS},         {"APIERR_BADID", APIERR_BADID},
    {"APIERR_BADINDEX", APIERR_BADINDEX},       {"APIERR_BADNAME", APIERR_BADNAME},
    {"APIERR_DELETED", APIERR_DELETED},         {"APIERR_NOTMINE", APIERR_NOTMINE},
    {"APIERR_BADELEMENT", APIERR_BADELEMENT},   {"APIERR_NOMEMO", APIERR_NOMEMO},
    {"APIERR_BADPROPERTY", APIERR_BADPROPERTY}, {"APIERR_BADCLASSIFICATION", APIERR_BADCLASSIFICATION},
    {"APIERR_CANCEL", APIERR_CANCEL},           {"APIERR_NOPLAN", APIERR_NOPLAN},
    {"APIERR_BADEVENT", APIERR_BADEVENT},       {"APIERR_REFUSEDCMD", APIERR_REFUSEDCMD},
};

const FaultableCall& FindCall(const Node& name) {
    const std::string text = name.Text();
    for (const FaultableCall& call : Faults::Calls())
        if (call.name == text)
            return call;
    if (text == "ACAPI_ProcessWindow_IsProcessCanceled")
        name.Fail("the cancel check does not fail; give \"cancelAfter\" to make it report a cancel");
    name.Fail("unknown host call " + Quote(text) + ", or one that cannot be made to fail");
}

// An error code, or the name of one; 0 is success and no fault.
GSErrCode ReadError(const Node& node) {
    if (node.IsText())
        return ReadWord(node, kErrorNames);
    const Int64 code = node.Integer(std::numeric_limits<Int32>::min(), kMaxInt32);
    if (code == NoError)
        node.Fail("0 means success, not a fault");
    return static_cast<GSErrCode>(code);
}

InjectedFault ReadFault(const Node& entry, const LoadContext& c) {
    entry.Expect({"call", "element", "index", "error"}, "a fault");
    const FaultableCall& call = FindCall(entry.At("call"));
    InjectedFault fault;
    fault.call = std::string(call.name);
    const auto element = entry.Find("element");
    const auto index = entry.Find("index");
    if (element && index)
        entry.Fail("give \"element\" or \"index\", not both");
    if (element) {
        // A fault the call never looks at would let a test pass for the wrong reason.
        if (call.key != FaultKey::ElementGuid)
            element->Fail(fault.call + " takes no element");
        fault.guid = c.elements.Resolve(*element);
    }
    if (index) {
        if (call.key != FaultKey::Index)
            index->Fail(fault.call + " takes no attribute or library-part index");
        fault.index = static_cast<Int32>(index->Integer(1, kMaxInt32));
    }
    if (const auto error = entry.Find("error"))
        fault.error = ReadError(*error);
    return fault;
}

// What a fault singles out, as one text: two faults with the same text would overwrite each other.
std::string Target(const InjectedFault& fault) {
    if (fault.guid)
        return fault.call + " " + APIGuidToString(*fault.guid).ToUtf8();
    if (fault.index)
        return fault.call + " #" + std::to_string(*fault.index);
    return fault.call;
}

} // namespace

void ReadFaults(const Node& section, LoadContext& c) {
    section.Expect({"calls", "cancelAfter"}, "the faults");
    if (const auto calls = section.Find("calls")) {
        std::map<std::string, std::string> places;
        for (const Node& entry : calls->Elements()) {
            InjectedFault fault = ReadFault(entry, c);
            const auto [earlier, added] = places.try_emplace(Target(fault), entry.Pointer());
            if (!added)
                entry.Fail("the same fault is given twice (also at " + earlier->second + ")");
            c.project.faults.push_back(std::move(fault));
        }
    }
    if (const auto cancelAfter = section.Find("cancelAfter")) {
        const Int64 checks = cancelAfter->Integer(std::numeric_limits<Int64>::min(), kMaxInt32);
        if (checks < 1)
            cancelAfter->Fail("must be at least 1 (the first cancel check is check 1)");
        c.project.cancelAfter = static_cast<Int32>(checks);
    }
}

} // namespace hostplatform::projectfile
