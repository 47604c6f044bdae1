// The save-file and folder dialogs of the stand-in host, answered from the queued answers.
#include "DialogSystem.hpp"
#include "io/FileLibrary.hpp"

#include <string>

namespace hostplatform {

namespace {

// The next answer of the queue, if any.
std::optional<detail::DialogAnswer> TakeAnswer(std::deque<detail::DialogAnswer>& answers) {
    if (answers.empty())
        return std::nullopt;
    detail::DialogAnswer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

void AnswerNextSaveDialog(const std::string& path, Int32 filter) {
    detail::Dialogs().saveAnswers.push_back(detail::DialogAnswer{true, path, filter});
}

void CancelNextSaveDialog() {
    detail::Dialogs().saveAnswers.push_back(detail::DialogAnswer());
}

void AnswerNextFolderDialog(const std::string& path) {
    detail::Dialogs().folderAnswers.push_back(detail::DialogAnswer{true, path, -1});
}

void CancelNextFolderDialog() {
    detail::Dialogs().folderAnswers.push_back(detail::DialogAnswer());
}

const std::vector<FileDialogRecord>& FileDialogs() {
    return detail::Dialogs().fileDialogs;
}

std::size_t PendingDialogAnswers() {
    return detail::Dialogs().saveAnswers.size() + detail::Dialogs().folderAnswers.size();
}

} // namespace hostplatform

namespace DG {

using hostplatform::FileDialogRecord;

FileDialog::FileDialog(Int32 type) : type_(type) {}

GS::UIndex FileDialog::AddFilter(FTM::TypeID type, Int32) {
    const FTM::FileType* fileType = hostplatform::detail::FindRegisteredType(type);
    if (fileType == nullptr) {
        hostplatform::detail::RecordError("DG::FileDialog::AddFilter",
                                          "unknown file type " + std::to_string(type));
        return GS::MaxUIndex;
    }
    filters_.push_back(Filter{type, fileType->GetDescription(), fileType->GetExtension()});
    return static_cast<GS::UIndex>(filters_.size() - 1);
}

bool FileDialog::SetFilterText(GS::UIndex filter, const GS::UniString& text) {
    if (filter >= filters_.size())
        return false;
    filters_[filter].text = text;
    return true;
}

bool FileDialog::SelectFilter(GS::UIndex filter) {
    if (filter >= filters_.size())
        return false;
    selectedFilter_ = filter;
    return true;
}

bool FileDialog::Invoke() {
    auto& system = hostplatform::detail::Dialogs();
    FileDialogRecord record;
    record.type = type_;
    for (const Filter& filter : filters_)
        record.filters.emplace_back(filter.text.ToUtf8(), filter.extension.ToUtf8());
    record.preselectedFilter = filters_.empty() ? -1 : static_cast<Int32>(selectedFilter_);
    selectedFile_ = IO::Location();
    const auto answer = type_ == Save ? hostplatform::TakeAnswer(system.saveAnswers) : std::nullopt;
    record.answered = answer.has_value();
    if (answer && answer->confirm) {
        const GS::UIndex filter =
            answer->filter < 0 ? selectedFilter_ : static_cast<GS::UIndex>(answer->filter);
        if (filter < filters_.size()) {
            selectedFilter_ = filter;
            selectedFile_ = IO::Location(GS::UniString::FromUtf8(answer->path));
            record.confirmed = true;
            record.path = answer->path;
            record.chosenFilter = static_cast<Int32>(filter);
        } else {
            hostplatform::detail::RecordError("DG::FileDialog::Invoke", "answered filter " +
                                                                            std::to_string(answer->filter) +
                                                                            " is missing");
        }
    }
    system.fileDialogs.push_back(std::move(record));
    return system.fileDialogs.back().confirmed;
}

IO::Location FileDialog::GetSelectedFile(GS::UIndex index) const {
    return index == 0 ? selectedFile_ : IO::Location();
}

bool FolderDialog::Invoke() {
    auto& system = hostplatform::detail::Dialogs();
    FileDialogRecord record;
    record.kind = FileDialogRecord::Kind::Folder;
    record.title = title_.ToUtf8();
    record.startFolder = hostplatform::detail::PathText(folder_);
    const auto answer = hostplatform::TakeAnswer(system.folderAnswers);
    record.answered = answer.has_value();
    if (answer && answer->confirm) {
        folder_ = IO::Location(GS::UniString::FromUtf8(answer->path));
        record.confirmed = true;
        record.path = answer->path;
    }
    system.fileDialogs.push_back(std::move(record));
    return system.fileDialogs.back().confirmed;
}

} // namespace DG
