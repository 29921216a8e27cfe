#pragma once
// Shared pieces of the fuzz programs: the headless Qt application that text
// measuring and picture reading expect, a private scratch folder that is the
// current directory, and the splitting of one input into several texts.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

// Creates the application object (offscreen) once. Every target's
// LLVMFuzzerInitialize, defined with it, calls it.
void StartFuzzApplication();

// A private folder, created once; its path.
QString FuzzFolder();
// Makes the private folder the current directory (corpus paths must then be
// absolute, as scripts/fuzz.sh gives them).
void EnterFuzzFolder();

// The input cut at every "\n--\n": each piece feeds one file or one text.
std::vector<QByteArray> SplitInput(const uint8_t* data, size_t size, size_t maxParts);

// Writes bytes to a file of the scratch folder (replacing it).
void WriteFuzzFile(const QString& name, const QByteArray& bytes);

// Stops the run with a report when an expectation of the target fails.
[[noreturn]] void FuzzFailure(const char* what, const QString& detail);
