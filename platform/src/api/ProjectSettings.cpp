// Stories, project notes and autotexts of the stand-in host.
#include "ACAPinc.hpp"
#include "RecordText.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/HostCalls.hpp"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

using hostplatform::CurrentProject;
using hostplatform::Faults;
using hostplatform::HostCalls;

namespace {

// The host always has at least one story.
std::vector<hostplatform::Story> StoriesInOrder() {
    std::vector<hostplatform::Story> stories = CurrentProject().stories;
    if (stories.empty())
        stories.push_back(hostplatform::Story());
    std::stable_sort(stories.begin(), stories.end(),
                     [](const auto& a, const auto& b) { return a.index < b.index; });
    return stories;
}

API_StoryType ToApi(const hostplatform::Story& story) {
    API_StoryType record;
    std::memset(static_cast<void*>(&record), 0, sizeof record);
    record.index = story.index;
    record.level = story.level;
    hostplatform::detail::CopyToUStr(story.name, record.uName, std::size(record.uName));
    return record;
}

} // namespace

GSErrCode ACAPI_ProjectSetting_GetStorySettings(API_StoryInfo* storyInfo, UInt32) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    if (storyInfo == nullptr)
        return APIERR_BADPARS;
    const std::vector<hostplatform::Story> stories = StoriesInOrder();
    const auto size = static_cast<GSSize>(stories.size() * sizeof(API_StoryType));
    auto table = reinterpret_cast<API_StoryType**>(BMAllocateHandle(size, ALLOCATE_CLEAR, 0));
    if (table == nullptr)
        return APIERR_MEMFULL;
    for (size_t i = 0; i < stories.size(); ++i)
        (*table)[i] = ToApi(stories[i]);
    storyInfo->firstStory = stories.front().index;
    storyInfo->lastStory = stories.back().index;
    storyInfo->actStory = stories.front().index;
    storyInfo->data = table;
    return NoError;
}

GSErrCode ACAPI_ProjectSetting_GetProjectNotes(API_ProjectNoteInfo* projectNotes) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    if (projectNotes == nullptr)
        return APIERR_BADPARS;
    *projectNotes = CurrentProject().notes;
    return NoError;
}

GSErrCode ACAPI_AutoText_GetAutoTexts(GS::Array<GS::Array<GS::UniString>>* autotexts, API_AutotextType) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    if (autotexts == nullptr)
        return APIERR_BADPARS;
    autotexts->Clear();
    for (const auto& row : CurrentProject().autotexts)
        autotexts->Push(GS::Array<GS::UniString>{row[0], row[1], row[2]});
    return NoError;
}
