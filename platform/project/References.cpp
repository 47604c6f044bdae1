#include "References.hpp"

#include <limits>

namespace hostplatform::projectfile {

namespace {

UInt64 Mix(UInt64 x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

UInt64 Fnv1a(const std::string& text, UInt64 seed) {
    UInt64 hash = 0xCBF29CE484222325ull ^ seed;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3ull;
    }
    return Mix(hash);
}

std::string GuidText(const API_Guid& guid) {
    return APIGuidToString(guid).ToUtf8();
}

} // namespace

std::optional<API_Guid> ParseGuidText(const std::string& text) {
    // Only the bare form: a name in braces stays a name.
    GS::Guid guid;
    if (text.size() != 36 || guid.ConvertFromString(text.c_str()) != NoError)
        return std::nullopt;
    return GSGuid2APIGuid(guid);
}

API_Guid GuidFromPlace(const std::string& pointer) {
    const std::string seed = "qelm project file " + pointer;
    const UInt64 high = Fnv1a(seed, 0);
    const UInt64 low = Fnv1a(seed, 0x5851F42D4C957F2Dull);
    API_Guid guid;
    guid.time_low = static_cast<UInt32>(high >> 32);
    guid.time_mid = static_cast<UInt16>(high >> 16);
    // A name-based guid (version 5, RFC 4122 variant), so it never looks like a hand-made one.
    guid.time_hi_and_version = static_cast<UInt16>((high & 0x0FFF) | 0x5000);
    guid.clock_seq_hi_and_reserved = static_cast<UInt8>(((low >> 56) & 0x3F) | 0x80);
    guid.clock_seq_low = static_cast<UInt8>(low >> 48);
    for (size_t i = 0; i < 6; ++i)
        guid.node[i] = static_cast<UInt8>(low >> (40 - 8 * i));
    return guid;
}

API_Guid ReadGuid(const Node& node) {
    const std::string text = node.Text();
    const auto guid = ParseGuidText(text);
    if (!guid)
        node.Fail(Quote(text) + " is not a guid (expected 8-4-4-4-12 hex digits)");
    return *guid;
}

API_Guid GuidRegistry::Register(const Node& object) {
    const auto given = object.Find("guid");
    const API_Guid guid = given ? ReadGuid(*given) : GuidFromPlace(object.Pointer());
    if (given && guid == APINULLGuid)
        given->Fail("the null guid cannot name an object");
    const auto [found, added] = places_.try_emplace(guid, object.Pointer());
    if (!added)
        (given ? *given : object)
            .Fail("duplicate guid " + GuidText(guid) + " (also at " + found->second + ")");
    return guid;
}

void NameTable::Add(const std::string& name, const API_Guid& guid) {
    byName_[name].push_back(guid);
    members_.insert(guid);
}

API_Guid NameTable::Resolve(const Node& reference) const {
    const std::string text = reference.Text();
    if (const auto guid = ParseGuidText(text)) {
        if (!Holds(*guid))
            reference.Fail("no " + what_ + scope_ + " has the guid " + GuidText(*guid));
        return *guid;
    }
    const auto found = byName_.find(text);
    if (found == byName_.end())
        reference.Fail("unknown " + what_ + " " + Quote(text) + scope_);
    if (found->second.size() > 1)
        reference.Fail(std::to_string(found->second.size()) + " " + what_ + "s" + scope_ + " are named " +
                       Quote(text) + "; refer to one by its guid");
    return found->second.front();
}

API_AttributeIndex AttributeTable::Add(const Node& name) {
    const std::string text = name.Text();
    if (!byName_.try_emplace(text, count_ + 1).second)
        name.Fail("duplicate " + what_ + " name " + Quote(text));
    return ++count_;
}

API_AttributeIndex AttributeTable::Resolve(const Node& reference) const {
    if (reference.IsInteger()) {
        const auto index =
            reference.Integer(std::numeric_limits<Int64>::min(), std::numeric_limits<Int64>::max());
        if (index < 1 || index > count_)
            reference.Fail("no " + what_ + " has the index " + std::to_string(index) + " (there are " +
                           std::to_string(count_) + ")");
        return static_cast<API_AttributeIndex>(index);
    }
    if (!reference.IsText())
        reference.Fail("expected a " + what_ + " name or index, found " + TypeInWords(reference.Value()));
    const std::string text = reference.Text();
    const auto found = byName_.find(text);
    if (found == byName_.end())
        reference.Fail("unknown " + what_ + " " + Quote(text));
    return found->second;
}

bool LoadContext::HasStory(Int64 index) const {
    // The loader has checked that the stories are listed by consecutive index.
    return !project.stories.empty() && index >= project.stories.front().index &&
           index <= project.stories.back().index;
}

short LoadContext::ResolveStory(const Node& reference) const {
    if (reference.IsInteger()) {
        const auto index =
            reference.Integer(std::numeric_limits<short>::min(), std::numeric_limits<short>::max());
        if (HasStory(index))
            return static_cast<short>(index);
        reference.Fail("no story has the index " + std::to_string(index));
    }
    if (!reference.IsText())
        reference.Fail(std::string("expected a story name or index, found ") +
                       TypeInWords(reference.Value()));
    const std::string text = reference.Text();
    const auto found = storyNames.find(text);
    if (found == storyNames.end())
        reference.Fail("unknown story " + Quote(text));
    if (found->second.size() > 1)
        reference.Fail(std::to_string(found->second.size()) + " stories are named " + Quote(text) +
                       "; refer to one by its index");
    return found->second.front();
}

std::vector<ClassificationRef> LoadContext::ReadClassificationRefs(const Node& list) const {
    std::vector<ClassificationRef> refs;
    std::unordered_set<API_Guid> systemsGiven;
    for (const Node& entry : list.Elements()) {
        entry.Expect({"system", "item", "visible"}, "a classification");
        ClassificationRef ref;
        ref.system = systems.Resolve(entry.At("system"));
        ref.item = itemsOfSystem.at(ref.system).Resolve(entry.At("item"));
        ref.visible = entry.BooleanOr("visible", true);
        if (!systemsGiven.insert(ref.system).second)
            entry.At("system").Fail("a second item of the same classification system (one item per system)");
        refs.push_back(ref);
    }
    return refs;
}

} // namespace hostplatform::projectfile
