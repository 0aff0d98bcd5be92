#pragma once
// A fresh directory per test, removed afterwards.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace torvana::test {

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "torvana-XXXXXX").string();
        root = ::mkdtemp(pattern.data()) ? pattern : std::string{};
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(root, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (root / name).string(); }
    const std::filesystem::path& Path() const { return root; }

private:
    std::filesystem::path root;
};

inline void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace torvana::test
