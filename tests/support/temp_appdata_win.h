// Throw-away folders for the tests: a new empty folder under the temporary folder, removed with
// everything in it when the object goes; and the application-data folder made of one, for tests
// that touch settings.ini, which APPDATA points at while the object lives.
#pragma once

#include <optional>
#include <string>
#include <vector>

class TempFolder {
public:
    // The name is "tarnwick-<kind>-<process>-<count><suffix>"; the suffix can put non-ASCII letters
    // in the path.
    explicit TempFolder(const std::string& kind, const std::string& suffix = "");
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

class TempAppData {
public:
    explicit TempAppData(const std::string& suffix = "");
    TempAppData(const TempAppData&) = delete;
    TempAppData& operator=(const TempAppData&) = delete;
    ~TempAppData();

    const std::string& folder() const { return folder_.path(); }

private:
    TempFolder folder_;
    std::optional<std::wstring> previous_;
};

// Whole-file helpers with UTF-8 paths; read_file gives nothing when the file cannot be opened.
std::optional<std::string> read_file(const std::string& path);
bool write_file(const std::string& path, const std::string& bytes);
// Names in a folder, "." and ".." left out.
std::vector<std::string> folder_entries(const std::string& folder);
// Deletes a folder and everything in it.
void remove_tree(const std::string& folder);
