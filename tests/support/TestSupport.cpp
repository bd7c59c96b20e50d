#include "support/TestSupport.h"

#include "platform/Cp932Codec.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kolv::test {

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kolv-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string sjis(std::string_view utf8)
{
    return utf8ToCp932(utf8);
}

std::string corpusDir()
{
    return KOLV_CORPUS_DIR;
}

bool corpusAvailable()
{
    const bool present = std::filesystem::is_directory(corpusDir());
    const char* ci = std::getenv("CI");
    if (!present && ci && std::string(ci) == "true")
        throw std::runtime_error("the corpus folder is missing: " + corpusDir());
    return present;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace kolv::test
