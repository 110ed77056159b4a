// A throw-away application-data folder for tests that touch settings.ini: APPDATA points at a new
// empty folder while the object lives, and the old value and the disk come back afterwards.
#pragma once

#include <optional>
#include <string>
#include <vector>

class TempAppData {
public:
    // suffix is added to the folder name, e.g. to put non-ASCII letters in the path.
    explicit TempAppData(const std::string& suffix = "");
    TempAppData(const TempAppData&) = delete;
    TempAppData& operator=(const TempAppData&) = delete;
    ~TempAppData();

    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
    std::optional<std::wstring> previous_;
};

// Whole-file helpers with UTF-8 paths; read_file gives nothing when the file cannot be opened.
std::optional<std::string> read_file(const std::string& path);
bool write_file(const std::string& path, const std::string& bytes);
// Names in a folder, "." and ".." left out.
std::vector<std::string> folder_entries(const std::string& folder);
// Deletes a folder and everything in it.
void remove_tree(const std::string& folder);
