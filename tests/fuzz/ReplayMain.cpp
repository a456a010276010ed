// Replays a corpus through one fuzz target: every file named, and every file
// of every folder named (in name order), runs once. Used by the test command
// as the regression run of the fuzz targets; a fault aborts the program under
// the sanitizers as it would under libFuzzer.
//
//   velmora_fuzz_replay <target> <file or folder>...
//   velmora_fuzz_replay --dict <target> <dictionary file>
//   velmora_fuzz_replay --list
//
// --dict reads a target's dictionary as libFuzzer reads it when it starts, and
// fails where libFuzzer would refuse to start or would drop an entry.

#include "tests/fuzz/FuzzDictionary.h"
#include "tests/fuzz/FuzzTarget.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Every file named or in a named folder; missing is set when a name gives none.
std::vector<std::string> InputFiles(int argc, char** argv, bool& missing)
{
    std::vector<std::string> files;
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) {
            std::vector<std::string> found;
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file())
                    found.push_back(entry.path().string());
            std::sort(found.begin(), found.end());
            files.insert(files.end(), found.begin(), found.end());
        } else if (std::filesystem::is_regular_file(path, ec)) {
            files.push_back(path.string());
        } else {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            missing = true;
        }
    }
    return files;
}

int CheckDictionary(const std::string& targetName, const std::string& path)
{
    if (!fuzz::FindTarget(targetName)) {
        std::fprintf(stderr, "%s: a dictionary for no fuzz target named %s\n", path.c_str(), targetName.c_str());
        return 1;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const fuzz::DictionaryFile dictionary = fuzz::ParseDictionary(text);
    if (!dictionary.error.empty()) {
        std::fprintf(stderr, "%s: libFuzzer would not start: %s\n", path.c_str(), dictionary.error.c_str());
        return 1;
    }
    if (dictionary.entries.empty()) {
        std::fprintf(stderr, "%s: no entries\n", path.c_str());
        return 1;
    }
    for (const std::string& entry : dictionary.entries) {
        if (entry.size() > fuzz::kLongestDictionaryEntry) {
            std::fprintf(stderr, "%s: an entry of %zu bytes, longer than libFuzzer keeps: %s\n", path.c_str(),
                entry.size(), entry.c_str());
            return 1;
        }
    }
    std::printf("%s: %zu entries\n", path.c_str(), dictionary.entries.size());
    return 0;
}

} // namespace

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--list") {
        for (const fuzz::FuzzTarget* target : fuzz::Targets())
            std::printf("%s\n", target->name);
        return 0;
    }
    if (argc == 4 && std::string(argv[1]) == "--dict")
        return CheckDictionary(argv[2], argv[3]);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <target> <file or folder>... | --dict <target> <file> | --list\n", argv[0]);
        return 2;
    }
    const fuzz::FuzzTarget* target = fuzz::FindTarget(argv[1]);
    if (!target) {
        std::fprintf(stderr, "no fuzz target named %s\n", argv[1]);
        return 2;
    }
    // Names are taken before the work folder becomes current.
    bool missing = false;
    const std::vector<std::string> files = InputFiles(argc, argv, missing);
    if (files.empty() || missing) {
        // A seed list that names nothing would pass without replaying it.
        std::fprintf(stderr, "%s: %s\n", target->name, missing ? "an input named is missing" : "no inputs");
        return 2;
    }
    fuzz::PrepareEnvironment();
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s: %s (%zu bytes)\n", target->name, file.c_str(), bytes.size());
        target->run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%s: %zu inputs replayed\n", target->name, files.size());
    return 0;
}
