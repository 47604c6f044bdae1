#include "engine/Article.hpp"
#include "engine/host/HostReads.hpp"
#include "engine/host/HostRecords.hpp"
#include "engine/host/Main.hpp"

namespace {

// The parameter list of a memo read with APIMemoMask_AddPars, in the host's order.
class ParameterList {
  public:
    explicit ParameterList(const API_ElementMemo& memo)
        : params_(memo.params),
          count_(memo.params == nullptr
                     ? 0
                     : static_cast<std::size_t>(BMGetHandleSize(reinterpret_cast<GSHandle>(memo.params))) /
                           sizeof(API_AddParType)) {}

    // The first parameter of that name, ignoring case; nullptr when there is none.
    const API_AddParType* Find(const GS::UniString& name) const {
        const GS::UniString wanted = name.ToLowerCase();
        for (std::size_t i = 0; i < count_; ++i) {
            if (hostaccess::FieldText((*params_)[i].name).ToLowerCase() == wanted)
                return &(*params_)[i];
        }
        return nullptr;
    }

    // The real value of parameter `index`; 0.0 past the end of the list.
    double RealAt(std::size_t index) const;

  private:
    API_AddParType** params_;
    std::size_t count_;
};

bool IsSimple(const API_AddParType& param) {
    return param.typeMod == 0;
}

bool IsText(const API_AddParType& param) {
    return param.typeID == APIParT_CString;
}

// An array or a text parameter has no real value.
double RealValue(const API_AddParType* param) {
    if (param == nullptr || !IsSimple(*param) || IsText(*param))
        return 0.0;
    return param->value.real;
}

GS::UniString TextValue(const API_AddParType* param) {
    if (param == nullptr || !IsSimple(*param) || !IsText(*param))
        return GS::UniString();
    return hostaccess::FieldText(param->value.uStr);
}

double ParameterList::RealAt(std::size_t index) const {
    return index < count_ ? RealValue(&(*params_)[index]) : 0.0;
}

// Hands the element's parameter list to `use`; false, without calling it, when the memo cannot be read.
template <typename Use> bool WithParameters(const API_Guid& guid, Use&& use) {
    const auto memo = hostaccess::ReadMemo(guid);
    if (!memo)
        return false;
    use(ParameterList(*memo));
    return true;
}

// Product of the real values of the element's first `factors` parameters; 0.0 when unreadable.
double ProductOfFirst(API_Guid guid, std::size_t factors) {
    API_Element element;
    if (!Main::GetElement(guid, element))
        return 0.0;
    double product = 0.0;
    WithParameters(guid, [&](const ParameterList& list) {
        product = 1.0;
        for (std::size_t i = 0; i < factors; ++i)
            product *= list.RealAt(i);
    });
    return product;
}

} // namespace

bool Main::HasParameter(const API_Element& element, const GS::UniString& name) {
    bool found = false;
    WithParameters(element.header.guid,
                   [&](const ParameterList& list) { found = list.Find(name) != nullptr; });
    return found;
}

bool Main::HasParameter(API_Guid guid, const GS::UniString& name) {
    API_Element element;
    return GetElement(guid, element) && HasParameter(element, name);
}

double Main::GetParameterDouble(const API_Element& element, const GS::UniString& name) {
    double value = 0.0;
    WithParameters(element.header.guid,
                   [&](const ParameterList& list) { value = RealValue(list.Find(name)); });
    return value;
}

double Main::GetParameterDouble(API_Guid guid, const GS::UniString& name) {
    API_Element element;
    return GetElement(guid, element) ? GetParameterDouble(element, name) : 0.0;
}

bool Main::GetParameterBool(API_Guid guid, const GS::UniString& name) {
    return GetParameterDouble(guid, name) != 0.0;
}

GS::UniString Main::GetParameterString(const API_Element& element, const GS::UniString& name) {
    GS::UniString text;
    WithParameters(element.header.guid,
                   [&](const ParameterList& list) { text = TextValue(list.Find(name)); });
    return text;
}

GS::UniString Main::GetParameterString(API_Guid guid, const GS::UniString& name) {
    API_Element element;
    return GetElement(guid, element) ? GetParameterString(element, name) : GS::UniString();
}

double Main::GetBaseSurface(API_Guid guid) {
    return ProductOfFirst(guid, 2);
}

double Main::GetBaseVolume(API_Guid guid) {
    return ProductOfFirst(guid, 3);
}

void Main::GetObjectSizeParameters(const API_Element& element, Article& article) {
    if (HasParameter(article.guid, "BB")) {
        article.size1 = GetParameterDouble(article.guid, "BB");
        article.size2 = GetParameterDouble(article.guid, "BH");
        article.size3 = GetParameterDouble(article.guid, "hohruw");
        return;
    }
    if (HasParameter(article.guid, "rm_StructalLength")) {
        article.size1 = GetParameterDouble(article.guid, "rm_StructalLength");
        article.size2 = GetParameterDouble(article.guid, "rm_ProfileWidth");
        article.size3 = GetParameterDouble(article.guid, "rm_ProfileHeight");
        return;
    }
    WithParameters(element.header.guid, [&article](const ParameterList& list) {
        article.size1 = list.RealAt(0);
        article.size2 = list.RealAt(1);
        article.size3 = list.RealAt(2);
    });
}
