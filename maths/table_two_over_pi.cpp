// The first 1,536 bits of 2/pi, 64 to a word, most significant first:
// 2/pi = sum of kTwoOverPiBits[j] * 2^(-64 (j + 1)). Enough for the exact
// reduction of every double up to 2^1024 with 320 bits to spare.

#include "maths/tables.h"

namespace numoria::maths {

const std::uint64_t kTwoOverPiBits[24] = {
0xa2f9836e4e441529ULL, 0xfc2757d1f534ddc0ULL, 0xdb6295993c439041ULL,
0xfe5163abdebbc561ULL, 0xb7246e3a424dd2e0ULL, 0x06492eea09d1921cULL,
0xfe1deb1cb129a73eULL, 0xe88235f52ebb4484ULL, 0xe99c7026b45f7e41ULL,
0x3991d639835339f4ULL, 0x9c845f8bbdf9283bULL, 0x1ff897ffde05980fULL,
0xef2f118b5a0a6d1fULL, 0x6d367ecf27cb09b7ULL, 0x4f463f669e5fea2dULL,
0x7527bac7ebe5f17bULL, 0x3d0739f78a5292eaULL, 0x6bfb5fb11f8d5d08ULL,
0x56033046fc7b6babULL, 0xf0cfbc209af4361dULL, 0xa9e391615ee61b08ULL,
0x6599855f14a06840ULL, 0x8dffd8804d732731ULL, 0x06061556ca73a8c9ULL,
};

}  // namespace numoria::maths
