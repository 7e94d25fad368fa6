// The page shown for a failed load: nothing of the failed URL or the error
// text can open a tag or an entity of its own.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>

#include "client/handler/load_error_page.h"
#include "fuzz/fuzz_support.h"

namespace {

// Every '&' begins one of the entities the page writes.
bool AmpersandsAreEntities(const std::string& page) {
  for (size_t at = page.find('&'); at != std::string::npos;
       at = page.find('&', at + 1)) {
    bool known = false;
    for (const char* entity : {"&amp;", "&lt;", "&gt;", "&quot;", "&#39;"})
      known = known || page.compare(at, std::strlen(entity), entity) == 0;
    if (!known)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int code = input.ConsumeIntegral<int>();
  const std::string url = input.ConsumeRandomLengthString(4096);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::string page = BuildLoadErrorPage(url, text, code);
  const std::string bare = BuildLoadErrorPage("", "", code);
  for (char special : {'<', '>', '"', '\''}) {
    FUZZ_CHECK(std::count(page.begin(), page.end(), special) ==
               std::count(bare.begin(), bare.end(), special));
  }
  FUZZ_CHECK(AmpersandsAreEntities(page));
  return 0;
}
