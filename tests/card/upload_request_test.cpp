#include <gtest/gtest.h>

#include "card/upload_request.h"

namespace zelvan::card {
namespace {

struct TimestampCase {
  platform::LocalDateTime time;
  const char* hex;
};

// Date word first, then the time word with seconds halved; times FAT cannot hold become the
// nearest one it can, rather than a year that spills into the month bits.
TEST(UploadRequestTest, FatTimestampWords) {
  for (const TimestampCase& c : {
           TimestampCase{{2021, 10, 23, 17, 45, 30}, "53578DAF"},
           TimestampCase{{2021, 10, 23, 17, 45, 31}, "53578DAF"},
           TimestampCase{{1980, 1, 1, 0, 0, 0}, "00210000"},
           TimestampCase{{2107, 12, 31, 23, 59, 59}, "FF9FBF7D"},
           TimestampCase{{1979, 12, 31, 23, 59, 59}, "00210000"},
           TimestampCase{{2108, 1, 1, 0, 0, 0}, "FF9FBF7D"},
       }) {
    SCOPED_TRACE(c.hex);
    EXPECT_EQ(FatTimestampHex(c.time), c.hex);
  }
}

}  // namespace
}  // namespace zelvan::card
