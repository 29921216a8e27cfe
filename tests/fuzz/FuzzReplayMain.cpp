// The main of a fuzz target built as a plain program: it runs the target's
// entry once on every input named on the command line, a file or a folder
// (every file under it, in name order), and stops. The normal and the
// sanitizer builds run the seeds and the saved findings this way, so an input
// that once failed keeps being tried without the fuzzer.
//
// Any fault of the target ends the process as under the fuzzer. A path that
// does not exist, an unreadable file, and a run without a single input are
// errors (exit 1): a mistyped folder must not pass having tried nothing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Optional, as for the fuzzer: called once before the first input when defined.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

// Appends the files of one argument; false when the path does not exist.
bool CollectInputs(const fs::path& path, std::vector<fs::path>& inputs)
{
    std::error_code error;
    if (fs::is_directory(path, error)) {
        std::vector<fs::path> found;
        for (const auto& entry : fs::recursive_directory_iterator(path, error))
            if (entry.is_regular_file())
                found.push_back(entry.path());
        std::sort(found.begin(), found.end());
        inputs.insert(inputs.end(), found.begin(), found.end());
        return !error;
    }
    if (!fs::is_regular_file(path, error))
        return false;
    inputs.push_back(path);
    return true;
}

bool ReadInput(const fs::path& path, std::vector<char>& bytes)
{
    std::ifstream file(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad() && file.is_open();
}

// Runs one input from a buffer of exactly its size, so that the address
// sanitizer reports a read past its end.
void RunInput(const std::vector<char>& bytes)
{
    const std::unique_ptr<uint8_t[]> data(new uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), data.get());
    LLVMFuzzerTestOneInput(data.get(), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    // Absolute paths first: a target may change the current folder.
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i)
        if (!CollectInputs(fs::absolute(argv[i]), inputs)) {
            std::fprintf(stderr, "no such file or folder: %s\n", argv[i]);
            return 1;
        }
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs to run (usage: %s FILE|FOLDER...)\n", argv[0]);
        return 1;
    }
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    std::vector<char> bytes;
    for (const fs::path& input : inputs) {
        if (!ReadInput(input, bytes)) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 1;
        }
        // Named before the run, so that a crash report says which input it was.
        std::fprintf(stderr, "running %s (%zu bytes)\n", input.c_str(), bytes.size());
        RunInput(bytes);
    }
    std::fprintf(stderr, "%zu inputs ran\n", inputs.size());
    return 0;
}
