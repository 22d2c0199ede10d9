#include "platform/AtomicFile.h"

#include "platform/Handles.h"
#include "platform/Utf8Text.h"
#include "platform/WinApp.h"

bool ReadWholeFile(const std::string& path, std::string& content) {
    content.clear();
    const UniqueHandle file =
        OwnFileHandle(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        content.append(buffer, read);
    }
    return true;
}

namespace {

// The whole content written and flushed to a new file; false when any of it failed.
bool WriteNewFile(const std::string& path, const std::string& content) {
    const UniqueHandle file = OwnFileHandle(::CreateFileA(
        path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           ::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                       nullptr) &&
           written == content.size() && ::FlushFileBuffers(file.get());
}

} // namespace

bool WriteFileAtomically(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".tmp";
    if (!WriteNewFile(temporary, content) ||
        !::MoveFileExA(temporary.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

KeptFile KeptFile::Named(const std::string& name) {
    return {CWinApp::ProgramFile(name), CWinApp::UserFile(name)};
}

bool KeptFile::Write(const std::string& content) const {
    if (WriteFileAtomically(path, content)) {
        // Read first, the user's older copy would win over this one.
        DeleteFileIfThere(userPath);
        return true;
    }
    if (userPath.empty()) {
        return false;
    }
    // Made only when first needed: a program whose folder can be written leaves none.
    ::CreateDirectoryA(FolderOf(userPath).c_str(), nullptr);
    return WriteFileAtomically(userPath, content);
}

bool KeptFile::Delete() const {
    const bool deleted = DeleteFileIfThere(path);
    return DeleteFileIfThere(userPath) && deleted;
}

bool DeleteFileIfThere(const std::string& path) {
    return path.empty() || ::DeleteFileA(path.c_str()) ||
           ::GetLastError() == ERROR_FILE_NOT_FOUND || ::GetLastError() == ERROR_PATH_NOT_FOUND;
}

std::vector<std::string> TextLines(const std::string& content) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < content.size();) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            end = content.size();
        }
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(ProgramTextOf(line));
        start = end + 1;
    }
    return lines;
}
