// The fixed vocabulary of the link with Annalix: what both programs have
// always exchanged. Changing any of these breaks the other side.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace LinkProtocol {

// Message names. Every participant registers both; each only handles the one
// addressed to it and ignores the other, as a window ignores a registered
// message it does not know.
inline constexpr const char* kToAnnalix = "Quillet vitachron-annalix";
inline constexpr const char* kToVitachron = "Quillet annalix-vitachron";

// Outgoing ("Quillet vitachron-annalix"): the code travels in lParam.
inline constexpr std::int64_t kAnswer = 0x1001;      // wParam: our window; "the document is open here"
inline constexpr std::int64_t kQuery = 0x1002;       // wParam: our window; "who shows the document in the block?"
inline constexpr std::int64_t kShowYear = 0x1003;    // wParam: the year

// Incoming ("Quillet annalix-vitachron"): the code travels in wParam.
inline constexpr std::int64_t kAskHasDocument = 1;   // lParam: the asking window
inline constexpr std::int64_t kCentreYear = 2;       // lParam: the year
inline constexpr std::int64_t kHasDocument = 3;      // lParam: the answering Annalix window

// The named objects. The block carries one path in code page 932.
inline constexpr const char* kBlockName = "Quillet message share mem name";
inline constexpr const char* kEventName = "Event Wait Annalix";
inline constexpr std::size_t kBlockSize = 1000;

// How long an Annalix that shows the document has to answer a query, and how
// long a started Annalix has to come up.
inline constexpr std::chrono::milliseconds kAnswerTimeout{1000};
inline constexpr std::chrono::milliseconds kStartTimeout{100000};

// The command line Annalix is started with: this word, then the quoted path.
inline constexpr const char* kCommandWord = "annalix";

}  // namespace LinkProtocol
