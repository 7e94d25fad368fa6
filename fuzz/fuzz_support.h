// What the fuzz targets share: a check that stops the run with a report,
// an independent reading of the one-word files, and a scratch folder.

#ifndef FUZZ_FUZZ_SUPPORT_H_
#define FUZZ_FUZZ_SUPPORT_H_

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// A property that must hold for every input; libFuzzer keeps the input that
// breaks it as a finding.
#define FUZZ_CHECK(condition)                                               \
  do {                                                                      \
    if (!(condition)) {                                                     \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, \
                   #condition);                                             \
      std::abort();                                                         \
    }                                                                       \
  } while (0)

// The C locale's white space, which separates the words of the files.
bool IsFileWhitespace(char c);

// The first |count| whitespace-delimited words of |text|, fewer if it has
// fewer: what a reader of the one-word files must see.
std::vector<std::string> FirstWords(const std::string& text, size_t count);

// Makes a fresh folder of its own the working directory, for targets that
// read real files; it is removed when the process ends.
void EnterScratchFolder();

// Writes |bytes| as the whole of the file |name| in the working directory.
void WriteScratchFile(const char* name, const std::string& bytes);

#endif  // FUZZ_FUZZ_SUPPORT_H_
